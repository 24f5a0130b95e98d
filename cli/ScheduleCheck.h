#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "schedule/TimeZones.h"
#include "store/ini/IniDocument.h"

// One problem of GM.ini as `quillot --check` tells it.
struct CheckedProblem {
    // The 1-based line of the key at fault; for a key that is missing, the line of its section's
    // header; 0 when the section is missing too: the file as a whole.
    std::size_t line = 0;
    // What is wrong, in the words of the start-up message's line that tells it.
    std::u16string what;
    friend bool operator==(const CheckedProblem&, const CheckedProblem&) = default;
};

// Every problem of a file already read that the start-up would tell, in file order (those of the
// file as a whole first); zones is the database the zones are checked against.
std::vector<CheckedProblem> CheckSchedule(const IniDocument& document, const TimeZones& zones);

// What --check prints: one line per problem, "<file>:<line>: <what>", or "<file>: <what>" for the
// file as a whole, each ended by LF. Empty when there is none.
std::u16string CheckReport(const std::filesystem::path& file,
                           const std::vector<CheckedProblem>& problems);
