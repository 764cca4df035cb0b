// The radio's 8-bit text at the widget boundary: QString wrappers over the
// market's byte tables, so every window converts names the same way.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Bytes of the market's set as display text; a byte outside the set shows as U+FFFD.
QString MarketToQString(std::string_view bytes, char market);
// Operator text as bytes; nullopt when a character has no byte in the set.
std::optional<std::string> QStringToMarket(const QString& text, char market);
// Whether every character of the text has a byte in the market's set.
bool IsMarketText(const QString& text, char market);
