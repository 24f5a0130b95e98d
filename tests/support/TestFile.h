#pragma once

#include <filesystem>
#include <fstream>
#include <string_view>

#include <gtest/gtest.h>

// Gives the file exactly these bytes, creating it when missing; the test fails when they cannot
// be written.
inline void WriteTestFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << path;
}
