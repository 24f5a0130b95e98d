#include "TextTrim.h"

namespace {
bool IsTrimmedSpace(char16_t c) { return c == u' ' || c == u'\u3000'; }
}  // namespace

std::u16string_view TrimSpaces(std::u16string_view text) {
    while (!text.empty() && IsTrimmedSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsTrimmedSpace(text.back())) text.remove_suffix(1);
    return text;
}
