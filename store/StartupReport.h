#pragma once

#include <filesystem>
#include <string>

#include "store/ScheduleProblems.h"

// The message that tells the user, in plain Chinese, what is wrong with which file: that it could
// not be created, that it could not be read, or which of its activities and settings could not be
// used and how the program carries on. Empty when there is nothing to tell.
std::u16string ComposeStartupReport(const std::filesystem::path& file,
                                    const StartupProblems& problems);
