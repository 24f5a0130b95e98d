#include "app/FirstPaintReport.h"

#include <QtGlobal>

#include <chrono>
#include <cstdio>

void ReportFirstPaint() {
    static bool done = qEnvironmentVariableIntValue("QUILLOT_REPORT_FIRST_PAINT") != 1;
    if (done)
        return;
    done = true;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("first-paint %lld\n",
                static_cast<long long>(std::chrono::nanoseconds(now).count()));
    std::fflush(stdout);
}
