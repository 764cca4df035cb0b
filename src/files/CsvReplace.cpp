// What a channel list cannot say, kept from the channel a row replaces.
#include "files/CsvReplace.h"

#include "files/Csv.h"
#include "model/FieldTexts.h"
#include "model/RadioImage.h"
#include "model/Records.h"
#include "model/TextCodec.h"
#include "rules/ChannelRules.h"

#include <array>

namespace {

namespace F = ChannelField;

// A record's fields 0 to 17, the name with any commas it holds.
std::array<std::string, F::Count> FieldsOf(std::string_view record)
{
    std::array<std::string, F::Count> fields;
    for (int f = 0; f < F::Count; ++f)
        fields[static_cast<std::size_t>(f)] = std::string(RecordField(record, f, f == F::Name));
    return fields;
}

std::string RecordOf(const std::array<std::string, F::Count>& fields)
{
    std::string record = fields[0];
    for (std::size_t f = 1; f < fields.size(); ++f)
        record += "," + fields[f];
    return record;
}

bool IsFlag(std::string_view field)
{
    return field == "0" || field == "1";
}

} // namespace

std::string KeepWhatTheListCannotSay(const std::string& record, std::string_view old, int slot,
                                     bool listHasSkip, const RadioImage& image)
{
    if (old.empty()) return record;
    std::array<std::string, F::Count> fields = FieldsOf(record);
    const auto field = [&](int n) -> std::string& { return fields[static_cast<std::size_t>(n)]; };
    const auto was = [&](int n) { return RecordField(old, n); };

    if (IsFlag(was(F::Reverse))) field(F::Reverse) = was(F::Reverse);
    field(F::Reserved) = was(F::Reserved);
    const bool split = !field(F::TxFrequency).empty();
    const bool wasSplit = !was(F::TxFrequency).empty();
    // The transmit step belongs to its transmit frequency; a new one takes the
    // list's step, as the memory editor gives it.
    if (split && field(F::TxFrequency) == was(F::TxFrequency) && !was(F::TxStep).empty())
        field(F::TxStep) = was(F::TxStep);

    const bool validOffset = was(F::Offset).size() == 9;
    if (split && validOffset) field(F::Offset) = was(F::Offset);
    if (!split && !wasSplit && was(F::Shift) == "3" && (field(F::Shift) == "2" || field(F::Shift) == "3")) {
        // The export wrote the special offset of the band, or the record's
        // own offset where the band has none.
        const int band = BandOfFrequency(field(F::Frequency), image);
        const long long special = SpecialShiftOffsetHz(band, image.MarketLetter());
        const long long written = special > 0 ? special : ParseDecimal(was(F::Offset));
        if (band == BandOfFrequency(was(F::Frequency), image) && ParseDecimal(field(F::Offset)) == written) {
            field(F::Shift) = "3";
            if (validOffset) field(F::Offset) = was(F::Offset);
        }
    }

    // The export keeps DCS, then CTCSS, of several squelch kinds.
    const bool tone = was(F::Tone) == "1", ctcss = was(F::Ctcss) == "1", dcs = was(F::Dcs) == "1";
    if (int(tone) + int(ctcss) + int(dcs) > 1 && field(F::Tone) == "0" &&
        field(F::Ctcss) == (dcs ? "0" : "1") && field(F::Dcs) == (dcs ? "1" : "0")) {
        field(F::Tone) = was(F::Tone);
        field(F::Ctcss) = was(F::Ctcss);
    }

    // Name bytes with no character in the market's set travel as '?' in a
    // list of the Windows code page.
    const std::string_view name = RecordField(old, F::Name, true);
    std::string listed(name);
    for (char& byte : listed)
        if (MarketByteToChar(static_cast<unsigned char>(byte), image.MarketLetter()) == ReplacementChar)
            byte = '?';
    if (listed != name && field(F::Name) == listed) field(F::Name) = std::string(name);

    if (!listHasSkip && MemorySlotHasLockout(slot) && IsFlag(was(F::Lockout)))
        field(F::Lockout) = was(F::Lockout);
    return RecordOf(fields);
}
