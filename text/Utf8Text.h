#pragma once

#include <string>
#include <string_view>

// UTF-8 for schedule files that start with a UTF-8 byte order mark.

// Sequences that are not valid UTF-8 become U+FFFD.
std::u16string DecodeUtf8(std::string_view bytes);

// Unpaired surrogates become U+FFFD.
std::string EncodeUtf8(std::u16string_view text);
