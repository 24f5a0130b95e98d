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
