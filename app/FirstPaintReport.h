#pragma once

// For start-up measurements: when QUILLOT_REPORT_FIRST_PAINT=1, the first call prints
// "first-paint <nanoseconds of the monotonic clock>" on standard output. Later calls do nothing.
void ReportFirstPaint();
