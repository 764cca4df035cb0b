// The channel table's fixed words in the program's language: the column
// titles, the words among the cell values ("Simplex", "Split", "None",
// "Tone") and the reasons a slot refused an edit. The table's rules keep
// them in English (channels/ChannelColumns.h): cells are edited and compared
// in those words, and the CSV export writes its own English names.
#pragma once

#include "channels/ChannelColumns.h"

#include <QString>

#include <string_view>

QString ChannelColumnTitleText(ChannelColumn column);
// A cell's value as the window shows it: the words among the values
// translated, frequencies, tones, codes, modes and steps as they stand.
QString ChannelValueText(std::string_view value);
QString CellRefusalWords(CellRefusal refusal);
