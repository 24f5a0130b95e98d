#include "schedule/NumberText.h"

#include "text/TextTrim.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool IsIgnoredSpace(char16_t c) {
    return c == u'\t' || c == u'\n' || c == u'\r' || IsTrimmedSpace(c);
}

bool IsDecimalDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The value of c as a digit of the given radix (8, 10 or 16), or -1.
int DigitValue(char16_t c, int radix) {
    int value = -1;
    if (c >= u'0' && c <= u'9') {
        value = c - u'0';
    } else if (c >= u'a' && c <= u'f') {
        value = c - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
        value = c - u'A' + 10;
    }
    return value < radix ? value : -1;
}

// Walks a text character by character; when told to, it steps over ignored spaces wherever they
// stand, so that "1 2" reads like "12".
class CharCursor {
  public:
    CharCursor(std::u16string_view text, bool skipSpaces) : text(text), skipSpaces(skipSpaces) {
        SkipIgnored();
    }
    bool AtEnd() const { return position >= text.size(); }
    // The current character, or U+0000 at the end (which continues no number).
    char16_t Peek() const { return AtEnd() ? u'\0' : text[position]; }
    void Next() {
        ++position;
        SkipIgnored();
    }
    bool Accept(char16_t c) { return Accept(c, c); }
    bool Accept(char16_t lower, char16_t upper) {
        if (AtEnd() || (Peek() != lower && Peek() != upper))
            return false;
        Next();
        return true;
    }

  private:
    void SkipIgnored() {
        while (skipSpaces && !AtEnd() && IsIgnoredSpace(text[position]))
            ++position;
    }
    std::u16string_view text;
    std::size_t position = 0;
    bool skipSpaces;
};

// The significant digits of a decimal number and its power of ten, kept so that any length of
// digits or exponent converts with correct rounding and without overflow.
class DecimalValue {
  public:
    void AddIntegerDigit(char16_t digit) {
        if (count == 0 && digit == u'0')
            return;
        if (count < kMaxDigits) {
            Keep(digit);
        } else {
            ++scale;
            droppedNonZero = droppedNonZero || digit != u'0';
        }
    }
    void AddFractionDigit(char16_t digit) {
        if (count == 0 && digit == u'0') {
            --scale;
        } else if (count < kMaxDigits) {
            Keep(digit);
            --scale;
        } else {
            droppedNonZero = droppedNonZero || digit != u'0';
        }
    }
    void SetExponent(std::int64_t value) { exponent = value; }
    double Value(bool negative) const {
        double magnitude = Magnitude();
        return negative ? -magnitude : magnitude;
    }

    // Exponents beyond this make every value infinite or zero.
    static constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000;

  private:
    // Enough digits for a correctly rounded double; the rest only matters as "zero or not".
    static constexpr int kMaxDigits = 800;

    void Keep(char16_t digit) { digits[count++] = static_cast<char>(digit); }

    double Magnitude() const {
        if (count == 0)
            return 0.0;
        const std::int64_t power = scale + exponent;
        char text[kMaxDigits + 32];
        std::copy(digits, digits + count, text);
        int length = count;
        std::int64_t textExponent = power;
        if (droppedNonZero) {
            text[length++] = '1';
            --textExponent;
        }
        const std::int64_t decimalPlaces = length + textExponent;  // value < 10^decimalPlaces
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        if (decimalPlaces > 310)
            return kInfinity;
        if (decimalPlaces < -330)
            return 0.0;
        text[length++] = 'e';
        char* end = std::to_chars(text + length, text + sizeof text, textExponent).ptr;
        double value = 0.0;
        if (std::from_chars(text, end, value).ec == std::errc::result_out_of_range) {
            return decimalPlaces > 0 ? kInfinity : 0.0;
        }
        return value;
    }

    char digits[kMaxDigits];
    int count = 0;
    bool droppedNonZero = false;
    std::int64_t scale = 0;  // the digits read as an integer, times 10^scale
    std::int64_t exponent = 0;
};

struct DecimalScan {
    DecimalValue value;
    bool hasDigits = false;  // the mantissa holds at least one digit
    bool complete = true;    // no exponent marker without digits, no dangling separator
};

// Reads digits, an optional fraction and an optional exponent (E or D). With grouping, a ","
// directly after a digit of the integer part is accepted as a thousands separator.
void ScanDecimal(CharCursor& cursor, bool grouping, DecimalScan& scan) {
    bool afterSeparator = false;
    for (;;) {
        if (IsDecimalDigit(cursor.Peek())) {
            scan.value.AddIntegerDigit(cursor.Peek());
            scan.hasDigits = true;
            afterSeparator = false;
        } else if (grouping && cursor.Peek() == u',' && scan.hasDigits && !afterSeparator) {
            afterSeparator = true;
        } else {
            break;
        }
        cursor.Next();
    }
    if (afterSeparator) {
        scan.complete = false;
        return;
    }
    if (cursor.Accept(u'.')) {
        for (; IsDecimalDigit(cursor.Peek()); cursor.Next()) {
            scan.value.AddFractionDigit(cursor.Peek());
            scan.hasDigits = true;
        }
    }
    if (!scan.hasDigits)
        return;
    if (!cursor.Accept(u'e', u'E') && !cursor.Accept(u'd', u'D'))
        return;
    bool negative = false;
    if (cursor.Accept(u'-')) {
        negative = true;
    } else {
        cursor.Accept(u'+');
    }
    std::int64_t exponent = 0;
    bool exponentDigits = false;
    for (; IsDecimalDigit(cursor.Peek()); cursor.Next()) {
        exponent = std::min(exponent * 10 + (cursor.Peek() - u'0'), DecimalValue::kExponentLimit);
        exponentDigits = true;
    }
    scan.value.SetExponent(negative ? -exponent : exponent);
    scan.complete = exponentDigits;
}

// A hexadecimal or octal literal of up to 16 bits is a signed 16-bit value, of up to 32 bits a
// signed 32-bit value; a longer one keeps its unsigned magnitude.
double RadixLiteralValue(double magnitude) {
    if (magnitude <= 0xFFFF)
        return magnitude >= 0x8000 ? magnitude - 0x10000 : magnitude;
    if (magnitude <= 0xFFFFFFFF)
        return magnitude >= 0x80000000 ? magnitude - 0x100000000 : magnitude;
    return magnitude;
}

struct RadixScan {
    double value = 0.0;
    bool hasDigits = false;
};

// Reads the rest of a literal after "&": "H" and hexadecimal digits or "O" and octal digits.
RadixScan ScanRadixLiteral(CharCursor& cursor) {
    int radix = 0;
    if (cursor.Accept(u'h', u'H')) {
        radix = 16;
    } else if (cursor.Accept(u'o', u'O')) {
        radix = 8;
    } else {
        return {};
    }
    RadixScan scan;
    double magnitude = 0.0;
    for (int digit = DigitValue(cursor.Peek(), radix); digit >= 0;
         digit = DigitValue(cursor.Peek(), radix)) {
        magnitude = magnitude * radix + digit;
        scan.hasDigits = true;
        cursor.Next();
    }
    scan.value = RadixLiteralValue(magnitude);
    return scan;
}

}  // namespace

double ReadLeadingNumber(std::u16string_view text) {
    CharCursor cursor(text, true);
    if (cursor.Accept(u'&'))
        return ScanRadixLiteral(cursor).value;
    bool negative = cursor.Peek() == u'-';
    if (negative || cursor.Peek() == u'+')
        cursor.Next();
    DecimalScan scan;
    ScanDecimal(cursor, false, scan);
    return scan.value.Value(negative);
}

std::optional<std::int16_t> RoundToInt16(double value) {
    if (!std::isfinite(value) || value < -40000.0 || value > 40000.0)
        return std::nullopt;
    const double below = std::floor(value);
    const double fraction = value - below;
    std::int32_t rounded = static_cast<std::int32_t>(below);
    if (fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0))
        ++rounded;
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<double> ParseNumericText(std::u16string_view text) {
    CharCursor cursor(TrimWhere(text, IsIgnoredSpace), false);
    if (cursor.AtEnd())
        return std::nullopt;
    if (cursor.Accept(u'&')) {
        RadixScan scan = ScanRadixLiteral(cursor);
        if (!scan.hasDigits || !cursor.AtEnd())
            return std::nullopt;
        return scan.value;
    }
    bool negative = cursor.Peek() == u'-';
    if (negative || cursor.Peek() == u'+')
        cursor.Next();
    DecimalScan scan;
    ScanDecimal(cursor, true, scan);
    if (!scan.hasDigits || !scan.complete || !cursor.AtEnd())
        return std::nullopt;
    return scan.value.Value(negative);
}

Int16Result ConvertToInt16(std::u16string_view text) {
    std::optional<double> number = ParseNumericText(text);
    if (!number)
        return {0, Int16Conversion::NotANumber};
    std::optional<std::int16_t> rounded = RoundToInt16(*number);
    if (!rounded)
        return {0, Int16Conversion::OutOfRange};
    return {*rounded, Int16Conversion::Ok};
}

std::u16string DecimalText(std::int64_t number) {
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

std::optional<int> AsciiDigitsValue(std::u16string_view digits) {
    if (digits.empty() || digits.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char16_t c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

std::u16string DecimalList(const std::vector<int>& numbers) {
    std::u16string text;
    for (const int number : numbers) {
        if (!text.empty())
            text += u',';
        text += DecimalText(number);
    }
    return text;
}

std::optional<int> ParseWholeNumber(std::u16string_view text) {
    std::string ascii;
    for (char16_t c : TrimSpaces(text)) {
        if (c > 0x7F)
            return std::nullopt;
        ascii.push_back(static_cast<char>(c));
    }
    int number = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), number);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return number;
}
