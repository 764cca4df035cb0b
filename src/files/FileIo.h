// Whole-file reading and safe replacing for the data file commands and the
// command line.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Far beyond any data file; a longer input is refused rather than read.
inline constexpr qint64 kMaxDataFileBytes = 16 * 1024 * 1024;

// The whole file; nullopt (and the reason) when it cannot be opened or read,
// is a folder, or is longer than kMaxDataFileBytes.
std::optional<std::string> ReadFileBytes(const QString& path, QString* error = nullptr);

// Replaces the file with the bytes through a SafeFile (files/SafeFile.h): a
// failed or interrupted save leaves the previous file as it was and no
// temporary file. false (and the reason) on failure.
bool SaveFileBytes(const QString& path, std::string_view bytes, QString* error = nullptr);
