#pragma once

#include <filesystem>
#include <string>

#include "store/ScheduleProblems.h"

// The message that tells the user, in plain Chinese, what is wrong with the file: that it could
// not be created or read (DescribeFileProblem), or which of its activities and settings could not
// be used and how the program carries on. Empty when there is nothing to tell.
std::u16string DescribeStartupProblems(const std::filesystem::path& file,
                                       const StartupProblems& problems);

// The message for a file that could not be created or read: nothing else of it is known then.
std::u16string DescribeFileProblem(const std::filesystem::path& file, const FileProblem& problem);

// One line of the message per problem, as `quillot --check` prints it too: where the problem is,
// what is wrong and how the program carries on.
std::u16string DescribeSkipped(const LoadProblem& problem);
std::u16string DescribeUnreadable(const UnreadableEntry& entry);
std::u16string DescribeUnusableOption(const UnusableOption& option);
std::u16string DescribeDuration(const DurationSetting& duration);
std::u16string DescribeUnusableSetting(const UnusableSetting& setting);
