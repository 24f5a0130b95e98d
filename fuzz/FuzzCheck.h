#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include "text/Utf8Text.h"

// What the fuzz targets share: a failed check, and texts taken from the input.

// A failed check is a finding: it is printed and the process aborts, so that libFuzzer keeps the
// input.
inline void Check(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

// Up to maxBytes of the input read as UTF-8 (invalid sequences become U+FFFD).
inline std::u16string ConsumeText(FuzzedDataProvider& data, std::size_t maxBytes) {
    return DecodeUtf8(data.ConsumeRandomLengthString(maxBytes));
}
