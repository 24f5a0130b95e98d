#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "schedule/cTask.h"
#include "store/ini/IniDocument.h"

// Something LoadTasks had to leave out.
struct LoadProblem {
    enum class Kind {
        NoSeparator,    // the value holds no "|"
        EmptyValue,     // the value is empty
        DuplicateName,  // the name was already loaded from this section
    };
    Kind kind = Kind::NoSeparator;
    std::u16string section;
    std::u16string name;
    friend bool operator==(const LoadProblem&, const LoadProblem&) = default;
};

// Empties allTasks and fills it from the two activity sections: the fixed section first, then the
// range section, each in file order. Never stops half-way; returns what it skipped. A missing
// file loads nothing; error is set when the file exists but cannot be read.
std::vector<LoadProblem> LoadTasks(std::vector<cTask>& allTasks, const std::filesystem::path& file,
                                   std::error_code& error);

// The same from a file already read.
std::vector<LoadProblem> LoadTasks(std::vector<cTask>& allTasks, const IniDocument& document);
