#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How the text of a schedule file is stored. Code page 936 without a byte order mark is the
// program's own format; a file that starts with a UTF-8 or UTF-16LE byte order mark is read and
// written in that encoding, mark included.
enum class IniEncoding { Cp936, Utf8, Utf16Le };

// The encoding of a file's content, from its first bytes.
IniEncoding DetectIniEncoding(std::string_view bytes);

// The length in bytes of the byte order mark that starts a file of this encoding.
std::size_t ByteOrderMarkSize(IniEncoding encoding);

// The bytes of one code unit: 1, or 2 for UTF-16.
std::size_t CodeUnitSize(IniEncoding encoding);

std::u16string DecodeIniText(std::string_view bytes, IniEncoding encoding);

// Characters that code page 936 cannot hold become "?" in a code page 936 file.
std::string EncodeIniText(std::u16string_view text, IniEncoding encoding);
