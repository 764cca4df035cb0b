// The channel clipboard: one record at a time in the program's own format
// "TSL_QX", 8-bit bytes with a terminating zero byte and no plain-text
// alternative, so records move between two running copies of the program
// without any other application taking them as text.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline const QString ClipboardFormat = QStringLiteral("TSL_QX");
// Several channels at once (the channel table's selection): each record
// followed by a zero byte. "TSL_QX" carries the first of them alongside, so
// a program that knows one record only still pastes that one.
inline const QString MultiClipboardFormat = QStringLiteral("TSL_QX_CHANNELS");

// Empties the system clipboard and puts the record on it in the program's
// format (an empty record as an empty text).
void PutRecordOnClipboard(std::string_view record);

// Puts the records in the second format and the first of them as
// PutRecordOnClipboard does, in one go.
void PutRecordsOnClipboard(const std::vector<std::string>& records);

// The payload the clipboard holds in the second format; nullopt when none.
std::optional<std::string> MultiClipboardPayloadBytes();

// The payload the clipboard holds in the program's format, as it is (with its
// terminator); nullopt when it holds nothing in that format.
std::optional<std::string> ClipboardPayloadBytes();
