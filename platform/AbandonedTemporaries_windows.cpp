#include "platform/AbandonedTemporaries.h"

// Not done on Windows yet: a temporary file left by a killed writer stays until it is removed by
// hand. The file being replaced is never affected by it.
void RemoveAbandonedTemporaries(const std::filesystem::path&) {}
