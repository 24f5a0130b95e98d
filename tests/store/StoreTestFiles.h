#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "schedule/LocalTime.h"
#include "store/ini/IniReaders.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFile.h"

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The value a look-up of the key in the file finds: nothing when the file, the section or the key
// is missing.
inline std::optional<std::u16string> ReadValue(const std::filesystem::path& file,
                                               std::u16string_view section, std::u16string_view key,
                                               std::error_code& error) {
    const Outcome<std::optional<IniDocument>> read = ReadIniDocument(file);
    error = read.problem;
    return read.value ? ReadIniValue(section, key, *read.value) : std::nullopt;
}

// The file read and parsed; an empty document when it is missing or cannot be read.
inline IniDocument ReadDocument(const std::filesystem::path& file) {
    return ReadIniDocument(file).value.value_or(ParseIniDocument({}));
}

// A clock that always reads the same moment.
inline Clock FixedClock(LocalTime moment = {}) {
    return [moment] { return moment; };
}

// The names of a section's keys, in order.
template <typename Keys>
std::vector<std::u16string> NamesOf(const Keys& keys) {
    std::vector<std::u16string> names;
    for (const auto& key : keys)
        names.push_back(key.name);
    return names;
}

// The bytes of a text of hexadecimal digits.
inline std::string FromHex(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return bytes;
}

// The folder of this test's sources, where the recorded data lives.
inline std::filesystem::path StoreTestData() {
    return std::filesystem::path(__FILE__).parent_path() / "data";
}
