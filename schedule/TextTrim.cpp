#include "schedule/TextTrim.h"

namespace {
bool IsTrimmedSpace(char16_t c) {
    return c == u' ' || c == u'\u3000';
}
}  // namespace

std::u16string_view TrimSpaces(std::u16string_view text) {
    return TrimWhere(text, IsTrimmedSpace);
}
