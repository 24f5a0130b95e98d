#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Number reading for schedule texts and entry boxes.
//
// A schedule file is often written by hand, and many were written for the original Windows
// program. Its runtime read the numbers of a schedule as these functions do: besides plain
// decimals it took &H (hexadecimal) and &O (octal) literals and a D for the exponent (1D1 is 10),
// and it rounded halves to the even neighbour (8.5 is 8, 9.5 is 10). Reading them the same way
// keeps every time and duration of such a file what its author saw there.

// The numeric literal the text begins with, ignoring tab, LF, CR, space and ideographic space
// anywhere: optional sign, digits, optional fraction and exponent, or an &H / &O literal. Reading
// stops at the first character that cannot continue the number; no number reads as 0.
double ReadLeadingNumber(std::u16string_view text);

// Rounds to the nearest integer, halves to the even neighbour; empty when the result does not fit
// a signed 16-bit integer (or the value is not finite).
std::optional<std::int16_t> RoundToInt16(double value);

// The value of a text that is a number as a whole (surrounding spaces allowed), as a user would
// type it: sign, digits with optional thousands separators, fraction, exponent, or an &H / &O
// literal. Empty for an empty text or anything that is not a number.
std::optional<double> ParseNumericText(std::u16string_view text);

enum class Int16Conversion { Ok, NotANumber, OutOfRange };

struct Int16Result {
    std::int16_t value = 0;
    Int16Conversion status = Int16Conversion::NotANumber;
    bool ok() const { return status == Int16Conversion::Ok; }
};

// Converts a whole numeric text to a signed 16-bit integer, rounding halves to even.
Int16Result ConvertToInt16(std::u16string_view text);

// A whole number in decimal digits, with a minus sign when it is negative: how the program writes
// its numbers into GM.ini and its messages.
std::u16string DecimalText(std::int64_t number);
// The value of a text of ASCII digits only, such as "08"; nothing for any other text.
std::optional<int> AsciiDigitsValue(std::u16string_view digits);
// The numbers in decimal digits, separated by ",": "1,16".
std::u16string DecimalList(const std::vector<int>& numbers);

// A whole number written in ASCII digits with an optional minus sign and nothing else but spaces
// around it; nothing otherwise.
std::optional<int> ParseWholeNumber(std::u16string_view text);
