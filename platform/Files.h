#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "text/Outcome.h"

// Reading and replacing files, and who may write where.

// True when an ordinary file (not a folder) exists at the path.
bool IsRegularFile(const std::filesystem::path& path);

// The whole content of a file, or why it cannot be read (a missing file gives
// std::errc::no_such_file_or_directory). Only an ordinary file is read: a folder gives
// std::errc::is_a_directory, and anything else that is no ordinary file (a named pipe, a device)
// std::errc::invalid_argument, without waiting for a writer or for input.
Outcome<std::string> ReadFileBytes(const std::filesystem::path& path);

// Replaces the file with exactly these bytes, or leaves it as it was: the bytes go to a temporary
// file in the same folder (without a name while it is written, where the system offers that), are
// flushed to disk, and the temporary file is renamed over the target. Temporary files that killed
// writers left there are removed first. An existing file keeps its permissions. On POSIX systems a
// symbolic link stays: the file it points to is replaced, or created in its folder when it does
// not exist yet. Returns the reason on failure.
std::error_code ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Why ReplaceFileAtomically(path, ...) would fail, as far as can be told without writing anything:
// the checks it makes before it writes. Nothing when they pass; the write itself may still fail
// (on a full disk, say).
std::error_code CheckFileReplaceable(const std::filesystem::path& path);

// Removes the temporary files that replacing this file (ReplaceFileAtomically) left beside it when
// the writing process was killed half way. A temporary file of a writer that may still be running
// is never touched. Nothing is reported: what cannot be removed now is tried again next time.
void RemoveAbandonedTemporaries(const std::filesystem::path& file);

// True when the current user may create files in the folder. A folder whose mode bits grant
// nobody write access counts as read-only even for root, as the file writer treats it.
bool CanCreateFilesIn(const std::filesystem::path& folder);
