// The channel clipboard: one record at a time in the program's own format
// "TSL_QX", 8-bit bytes with a terminating zero byte and no plain-text
// alternative, so records move between two running copies of the program
// without any other application taking them as text.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

inline const QString ClipboardFormat = QStringLiteral("TSL_QX");

// Empties the system clipboard and puts the record on it in the program's
// format (an empty record as an empty text).
void PutRecordOnClipboard(std::string_view record);

// The payload the clipboard holds in the program's format, as it is (with its
// terminator); nullopt when it holds nothing in that format.
std::optional<std::string> ClipboardPayloadBytes();
