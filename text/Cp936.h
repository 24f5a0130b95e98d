#pragma once

#include <string>
#include <string_view>

// Code page 936 (GBK) exactly as Windows maps it: 0x80 is "€", the user-defined areas map to the
// private use area, and nothing is mapped to a look-alike.

// Bytes that are not valid code page 936 become "?".
std::u16string DecodeCp936(std::string_view bytes);

// Characters that code page 936 cannot hold become "?".
std::string EncodeCp936(std::u16string_view text);

// True when every character of the text can be stored in code page 936.
bool FitsCp936(std::u16string_view text);
