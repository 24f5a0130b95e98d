#pragma once

#include <filesystem>

// Removes the temporary files that replacing this file (ReplaceFileAtomically) left beside it when
// the writing process was killed half way. A temporary file of a writer that may still be running
// is never touched. Nothing is reported: what cannot be removed now is tried again next time.
void RemoveAbandonedTemporaries(const std::filesystem::path& file);
