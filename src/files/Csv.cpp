// Channel list export and import.
#include "files/Csv.h"

#include "files/CsvReader.h"
#include "files/CsvReplace.h"
#include "model/FieldTexts.h"
#include "model/RadioImage.h"
#include "model/TextCodec.h"
#include "rules/ChannelRules.h"
#include "rules/EntryKeys.h"
#include "rules/FrequencyRules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <map>
#include <optional>
#include <set>

namespace {

namespace F = ChannelField;

constexpr std::size_t NameCharacters = 8;
constexpr std::int64_t TooLarge = std::numeric_limits<std::int64_t>::max() / 4;

// ---- Small text helpers ----------------------------------------------------

std::string Digits(std::int64_t value, std::size_t width)
{
    std::string text = std::to_string(value < 0 ? 0 : value);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

// value / 10^decimals written with exactly that many decimals.
std::string Decimal(std::int64_t value, int decimals)
{
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    std::string text = std::to_string(value / scale);
    if (decimals > 0) text += "." + Digits(value % scale, static_cast<std::size_t>(decimals));
    return text;
}

std::string MhzText(std::int64_t hz)
{
    return Decimal(hz, 6);
}

// ---- Numbers as the grids show them, with their unit ------------------------

// A frequency in Hz as the grids show it: "145.500 MHz", "118.00833 MHz".
std::string MhzShown(std::int64_t hz)
{
    return FormatFrequency(FrequencyDigits(hz)) + " MHz";
}

bool IsOfferedOffset(std::int64_t hz)
{
    return hz >= 0 && hz % 50'000 == 0 && hz <= 59'950'000;
}

// An offset as the grids show it ("0.60 MHz"); one the radio cannot hold
// shows all its digits, like a frequency ("0.625 MHz").
std::string OffsetShown(std::int64_t hz)
{
    if (IsOfferedOffset(hz)) return FormatOffset(Digits(hz, 9)) + " MHz";
    return MhzShown(hz);
}

// "12.5kHz" of the step list as "12.5 kHz".
std::string StepShown(int stepCode)
{
    std::string text(StepCodes[static_cast<std::size_t>(stepCode)].text);
    text.insert(text.size() - 3, " ");
    return text;
}

// A step the list gives in Hz, without trailing zeros: "1 kHz", "2.5 kHz".
std::string KhzShown(std::int64_t hz)
{
    std::string text = Decimal(hz, 3);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text + " kHz";
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number of the list ("146.52", "88.5") scaled by 10^decimals;
// digits past the scale are dropped. nullopt for anything but digits with at
// most one point; TooLarge for a value far beyond every band.
std::optional<std::int64_t> ParseScaled(std::string_view text, int decimals)
{
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool point = false;
    bool anyDigit = false;
    for (char c : text) {
        if (c == '.') {
            if (point) return std::nullopt;
            point = true;
        } else if (IsDigit(c)) {
            anyDigit = true;
            if (!point) {
                if (whole > 1'000'000'000) return TooLarge;
                whole = whole * 10 + (c - '0');
            } else if (fractionDigits < decimals) {
                fraction = fraction * 10 + (c - '0');
                ++fractionDigits;
            }
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) return std::nullopt;
    for (; fractionDigits < decimals; ++fractionDigits)
        fraction *= 10;
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return whole * scale + fraction;
}

// A frequency or offset cell in Hz: MHz unless it ends in "kHz", "MHz" or
// "Hz" (any case, a blank before the unit allowed).
std::optional<std::int64_t> ParseHz(std::string_view text)
{
    const std::string lower = Lower(Trim(text));
    std::string_view number = lower;
    int decimals = 6;
    if (number.ends_with("mhz")) {
        number.remove_suffix(3);
    } else if (number.ends_with("khz")) {
        number.remove_suffix(3);
        decimals = 3;
    } else if (number.ends_with("hz")) {
        number.remove_suffix(2);
        decimals = 0;
    }
    return ParseScaled(number, decimals);
}

// ---- Code tables in the list's terms ------------------------------------------

// Tone list entries in tenths of Hz ("88.5Hz" -> 885).
std::int64_t ToneTenths(std::size_t index)
{
    std::string_view text = ToneTexts[index];
    if (text.ends_with("Hz")) text.remove_suffix(2);
    return ParseScaled(text, 1).value_or(0);
}

std::string ToneCell(std::size_t index)
{
    return Decimal(ToneTenths(index), 1);
}

std::string ToneShown(std::int64_t tenths)
{
    return Decimal(tenths, 1) + " Hz";
}

// Index of the tone list nearest to a frequency in tenths of Hz (the lower
// one on a tie).
std::size_t NearestTone(std::int64_t tenths)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < ToneTexts.size(); ++i)
        if (std::llabs(ToneTenths(i) - tenths) < std::llabs(ToneTenths(best) - tenths)) best = i;
    return best;
}

std::int64_t DcsValue(std::size_t index)
{
    return ParseDecimal(DcsCodes[index]);
}

std::size_t NearestDcs(std::int64_t code)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < DcsCodes.size(); ++i)
        if (std::llabs(DcsValue(i) - code) < std::llabs(DcsValue(best) - code)) best = i;
    return best;
}

// List position of a record's tone or DCS index field, with the editors'
// replacement for a value outside the list.
std::size_t TonePosition(std::string_view field)
{
    if (field < "00" || field > "41") return 8;
    const std::int64_t value = ParseDecimal(field);
    return value < static_cast<std::int64_t>(ToneTexts.size()) ? static_cast<std::size_t>(value) : 8;
}

std::size_t DcsPosition(std::string_view field)
{
    if (field < "000" || field > "103") return 0;
    const std::int64_t value = ParseDecimal(field);
    return value < static_cast<std::int64_t>(DcsCodes.size()) ? static_cast<std::size_t>(value) : 0;
}

// TStep cell ("12.50") of a step code 0..11.
std::string StepCell(int stepCode)
{
    return Decimal(StepCodeHz(stepCode) / 10, 2);
}

// Step code of a TStep cell in kHz; -1 when the radio has no such step.
int StepCodeOfCell(std::string_view cell)
{
    const std::optional<std::int64_t> hz = ParseScaled(cell, 3);
    if (!hz) return -1;
    const std::int64_t value = *hz == 8333 ? 8330 : *hz; // 8.333 kHz is the 8.33 kHz step
    for (int code = 0; code < StepCodeCount; ++code)
        if (StepCodeHz(code) == value) return code;
    return -1;
}

std::string NameToUtf8(std::string_view bytes, char market, bool& unreadable)
{
    std::u32string text;
    for (char byte : bytes) {
        const char16_t ch = MarketByteToChar(static_cast<unsigned char>(byte), market);
        if (ch == ReplacementChar) unreadable = true;
        text += ch;
    }
    return EncodeUtf8(text);
}

// ---- Export ----------------------------------------------------------------

std::string ExportRow(const RadioImage& image, int slot, CsvEncoding encoding, std::vector<Message>& notes)
{
    const std::string& record = image.GetMemoryRecord(slot);
    const auto field = [&](int n) { return RecordField(record, n, n == F::Name); };
    const char market = image.MarketLetter();
    const std::string label = MemoryLabel(slot);
    const auto note = [&](MessageId id, std::vector<Message> args = {}) {
        notes.push_back(
            MessageOf(MessageId::CsvNoteOf, {TextMessage(label), MessageOf(id, std::move(args))}));
    };

    const std::string_view rx = field(F::Frequency);
    const std::string_view tx = field(F::TxFrequency);
    const std::string_view shift = field(F::Shift);
    const int band = BandOfFrequency(rx, image);
    const std::int64_t offsetHz = ParseDecimal(field(F::Offset));
    std::string duplex;
    std::int64_t offsetCell = offsetHz;
    // A split channel's own offset is never used by the radio: nothing is lost.
    if (!tx.empty()) {
        duplex = "split";
        offsetCell = ParseDecimal(tx);
        if (field(F::TxStep) != field(F::Step)) note(MessageId::CsvNoteTxStep);
    } else if (shift == "1") {
        duplex = "+";
    } else if (shift == "2") {
        duplex = "-";
    } else if (shift == "3") {
        duplex = "-";
        const long long special = SpecialShiftOffsetHz(band, market);
        if (special > 0) offsetCell = special;
        if (special == 0)
            note(MessageId::CsvNoteSpecialNoOffset, {TextMessage(OffsetShown(offsetHz))});
        else if (!SpecialShiftCaption(band, market, image.TypeDigits(), true))
            note(MessageId::CsvNoteSpecialNotOffered, {TextMessage(OffsetShown(special))});
    }
    if (field(F::Reverse) == "1") note(MessageId::CsvNoteReverse);

    const bool tone = field(F::Tone) == "1";
    const bool ctcss = field(F::Ctcss) == "1";
    const bool dcs = field(F::Dcs) == "1";
    std::string toneMode;
    if (dcs)
        toneMode = "DTCS";
    else if (ctcss)
        toneMode = "TSQL";
    else if (tone)
        toneMode = "Tone";
    if (int(tone) + int(ctcss) + int(dcs) > 1) note(MessageId::CsvNoteToneModes, {TextMessage(toneMode)});

    std::string_view mode = ModeText(field(F::Mode));
    if (mode.empty()) {
        note(MessageId::CsvNoteModeUnknown, {TextMessage(std::string(field(F::Mode)))});
        mode = "FM";
    }
    int step = StepIndexOfCode(field(F::Step).empty() ? '\0' : field(F::Step)[0]);
    if (step < 0 || field(F::Step).size() != 1) {
        note(MessageId::CsvNoteStepUnknown, {TextMessage(std::string(field(F::Step)))});
        step = 0;
    }
    if (!field(F::Reserved).empty()) note(MessageId::CsvNoteRfPower);

    bool unreadable = false;
    std::string name = NameToUtf8(field(F::Name), market, unreadable);
    if (encoding == CsvEncoding::EightBit) {
        int replaced = 0;
        name = Utf8ToMarketText(name, market, replaced);
        if (replaced > 0)
            notes.push_back(
                MessageOf(MessageId::CsvNoteOf,
                          {TextMessage(label), CountedMessage(MessageId::CsvNoteNameBytes8Bit, replaced)}));
    } else if (unreadable) {
        note(MessageId::CsvNoteNameBytes);
    }

    const std::string dcsCell(DcsCodes[DcsPosition(field(F::DcsIndex))]);
    std::vector<std::string> cells = {
        std::to_string(slot),
        name,
        MhzText(ParseDecimal(rx)),
        duplex,
        MhzText(offsetCell),
        toneMode,
        ToneCell(TonePosition(field(F::ToneIndex))),
        ToneCell(TonePosition(field(F::CtcssIndex))),
        dcsCell,
        "NN",
        dcsCell,
        "Tone->Tone",
        std::string(mode),
        StepCell(step),
        field(F::Lockout) == "1" ? "S" : "",
        "",
        slot >= OrdinaryMemoryCount ? label : "",
        "",
        "",
        "",
        "",
    };
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += ',';
        line += CsvCell(cells[i]);
    }
    return line;
}

// ---- Import ----------------------------------------------------------------

enum Column {
    ColLocation,
    ColName,
    ColFrequency,
    ColDuplex,
    ColOffset,
    ColTone,
    ColRTone,
    ColCTone,
    ColDtcsCode,
    ColDtcsPolarity,
    ColRxDtcsCode,
    ColCrossMode,
    ColMode,
    ColTStep,
    ColSkip,
    ColComment,
    ColumnCount
};

constexpr std::array<std::string_view, ColumnCount> ColumnNames = {
    "location", "name",         "frequency",  "duplex",    "offset", "tone",  "rtonefreq", "ctonefreq",
    "dtcscode", "dtcspolarity", "rxdtcscode", "crossmode", "mode",   "tstep", "skip",      "comment",
};

struct Header
{
    std::array<int, ColumnCount> position{};
};

std::optional<Header> ReadHeader(const CsvRecord& record)
{
    Header header;
    header.position.fill(-1);
    for (std::size_t i = 0; i < record.cells.size(); ++i) {
        const std::string name = Lower(Trim(record.cells[i]));
        for (std::size_t c = 0; c < ColumnCount; ++c)
            if (name == ColumnNames[c] && header.position[c] < 0) header.position[c] = static_cast<int>(i);
    }
    if (header.position[ColFrequency] < 0) return std::nullopt;
    return header;
}

struct RowCells
{
    const CsvRecord& record;
    const Header& header;
    std::string_view operator[](Column column) const
    {
        const int at = header.position[column];
        if (at < 0 || static_cast<std::size_t>(at) >= record.cells.size()) return {};
        const std::string& cell = record.cells[static_cast<std::size_t>(at)];
        // Blanks can belong to a name; every other cell is read trimmed.
        return column == ColName ? std::string_view(cell) : Trim(cell);
    }
};

// The record a row becomes, before its slot is known: fields 1 to 17.
struct ConvertedRow
{
    std::string head; // fields 1 to 12, each with its comma
    bool lockout = false;
    std::string tail; // fields 14 to 17, each after its comma
    std::vector<Message> changes;
    Message skipReason;
    int replaced = 0;
};

// Inside the limits of one of band codes 0 to lastBand that the version has,
// by the editors' band limits: every band (14) for a receive frequency, the A
// band (3), where the radio transmits, for a transmit inhibit.
bool InBands(std::int64_t hz, int lastBand, const RadioImage& image, const FrequencyProfile& profile)
{
    for (int band = 0; band <= lastBand; ++band) {
        std::int64_t lower = 0, upper = 0;
        if (BandExists(band, image.MarketLetter(), image.Model()) &&
            BandLimitHz(profile, band, lower, upper) && lower <= hz && hz < upper)
            return true;
    }
    return false;
}

// The mode list position of a Mode cell; -1 when the radio has no such
// mode. A mode the radio holds under another name sets the note.
int ModeOfCell(std::string_view cell, Message& note)
{
    const std::string mode = Lower(cell);
    if (mode == "fm") return ModeFm;
    if (mode == "wfm") return ModeWfm;
    if (mode == "am") return ModeAm;
    if (mode == "lsb") return ModeLsb;
    if (mode == "usb") return ModeUsb;
    if (mode == "cw") return ModeCw;
    // Narrow FM is a menu setting of the band, not of the channel.
    const int taken = mode == "nfm"                    ? ModeFm
                      : mode == "nam"                  ? ModeAm
                      : mode == "ncw" || mode == "cwr" ? ModeCw
                                                       : -1;
    if (taken >= 0)
        note = MessageOf(MessageId::CsvModeTakenAs,
                         {TextMessage(std::string(cell)),
                          TextMessage(std::string(ModeTexts[static_cast<std::size_t>(taken)]))});
    return taken;
}

// The mode and offset a band starts with: those of its VFO record.
int DefaultMode(const RadioImage& image, int band)
{
    const std::string_view mode = RecordField(image.GetVfoRecord(band), F::Mode);
    return mode.size() == 1 && mode[0] >= '0' && mode[0] <= '5' ? mode[0] - '0' : ModeFm;
}

std::string DefaultOffsetDigits(const RadioImage& image, int band)
{
    const std::string_view offset = RecordField(image.GetVfoRecord(band), F::Offset);
    return offset.size() == 9 ? std::string(offset.substr(1)) : "00600000";
}

// The step a row is stored with. The given step comes first; when the rules
// would move what the list says and another step the band permits keeps it,
// that step is taken. A transmit frequency must stay exactly as listed, so
// a step that keeps it wins over one that only keeps the receive frequency;
// nullopt when no step keeps it.
std::optional<int> ChooseStep(const std::string& rx, const std::optional<std::int64_t>& tx, int band,
                              int mode, int step, const FrequencyProfile& profile)
{
    const auto keeps = [&](int code, bool needRx) {
        std::string probe = rx;
        int probeMode = mode;
        int probeStep = code;
        CheckFrequency(probe, band, EntryContext::Memory, probeMode, probeStep, profile);
        if (probeStep != code || (needRx && probe != rx)) return false;
        if (!tx) return true;
        std::string txProbe = FrequencyDigits(*tx);
        CheckSplitTxFrequency(txProbe, band, probeMode, probeStep, profile);
        return ParseDecimal(txProbe) == *tx;
    };
    constexpr std::array<int, 12> Preference = {0, 5, 1, 4, 7, 8, 2, 3, 6, 9, 10, 11};
    if (keeps(step, true)) return step;
    for (int code : Preference)
        if (keeps(code, true)) return code;
    if (!tx) return step;
    if (keeps(step, false)) return step;
    for (int code : Preference)
        if (keeps(code, false)) return code;
    return std::nullopt;
}

ConvertedRow ConvertRow(const RowCells& cells, const RadioImage& image, const FrequencyProfile& profile)
{
    ConvertedRow row;
    const char market = image.MarketLetter();
    const auto change = [&](MessageId id, std::vector<Message> args = {}) {
        row.changes.push_back(MessageOf(id, std::move(args)));
    };
    const auto skip = [&](MessageId id, std::vector<Message> args = {}) {
        row.skipReason = MessageOf(id, std::move(args));
        return row;
    };
    const auto cell = [&](Column column) { return TextMessage(std::string(cells[column])); };
    const auto mhz = [](std::int64_t hz) { return TextMessage(MhzShown(hz)); };

    // Receive frequency and band.
    const std::optional<std::int64_t> rxHz = ParseHz(cells[ColFrequency]);
    if (!rxHz) {
        if (cells[ColFrequency].empty()) return skip(MessageId::CsvNoFrequency);
        return skip(MessageId::CsvFrequencyNotNumber, {cell(ColFrequency)});
    }
    if (!InBands(*rxHz, BandFallback, image, profile))
        return skip(MessageId::CsvOutsideEveryBand, {mhz(*rxHz)});
    std::string rx = FrequencyDigits(*rxHz);
    const int band = BandOfFrequency(rx, image);

    // Duplex: the shift and offset, or the transmit frequency the list
    // gives. The radio never transmits where the list does not.
    char shift = '0';
    std::string offset = DefaultOffsetDigits(image, band);
    std::optional<std::int64_t> tx;
    std::optional<std::int64_t> splitOffset; // a shifted row made a split channel: its offset
    const std::string duplex = Lower(cells[ColDuplex]);
    const std::string_view offsetCell = cells[ColOffset];
    const std::optional<std::int64_t> offsetHz = ParseHz(offsetCell);
    if (duplex == "split") {
        if (!offsetHz) {
            if (offsetCell.empty()) return skip(MessageId::CsvSplitWithoutTx);
            return skip(MessageId::CsvTxNotNumber, {cell(ColOffset)});
        }
        tx = *offsetHz;
    } else if (duplex == "+" || duplex == "-") {
        if (offsetCell.empty()) {
            change(MessageId::CsvBandOffsetTaken, {TextMessage(OffsetShown(ParseDecimal(offset)))});
            shift = duplex == "+" ? '1' : '2';
        } else if (!offsetHz) {
            return skip(MessageId::CsvOffsetNotNumber, {cell(ColOffset)});
        } else if (IsOfferedOffset(*offsetHz)) {
            offset = Digits(*offsetHz, 8);
            shift = duplex == "+" ? '1' : '2';
            // The special minus shift only where the memory editor offers it;
            // elsewhere a minus shift with the same offset holds the channel.
            if (shift == '2' && *offsetHz == SpecialShiftOffsetHz(band, market) &&
                SpecialShiftCaption(band, market, image.TypeDigits(), true))
                shift = '3';
        } else {
            tx = duplex == "+" ? *rxHz + *offsetHz : std::max<std::int64_t>(0, *rxHz - *offsetHz);
            splitOffset = *offsetHz;
        }
    } else {
        if (duplex == "off" && InBands(*rxHz, 3, image, profile))
            return skip(MessageId::CsvDuplexOffTransmits, {mhz(*rxHz)});
        // Outside the A band the radio only receives: "off" is what it does.
        if (duplex == "off")
            change(MessageId::CsvDuplexOffSimplex, {mhz(*rxHz)});
        else if (!duplex.empty())
            change(MessageId::CsvDuplexUnknown, {cell(ColDuplex)});
        // A simplex channel keeps the offset it lists, for a later shift.
        if (offsetHz && *offsetHz < TooLarge) {
            std::string text = MhzText(*offsetHz);
            if (NormalizeOffsetText(text)) offset = text;
        }
        if (offsetHz && ParseDecimal(offset) != *offsetHz)
            change(MessageId::CsvOffsetKept,
                   {TextMessage(OffsetShown(*offsetHz)), TextMessage(OffsetShown(ParseDecimal(offset)))});
    }

    // A transmit frequency outside the receive band cannot be held at all.
    if (tx) {
        std::int64_t lower = 0, upper = 0;
        if (!BandLimitHz(profile, band, lower, upper) || *tx < lower || *tx >= upper)
            return skip(
                MessageId::CsvTxOutsideBand,
                {mhz(*tx), mhz(*rxHz), TextMessage(FormatFrequency(FrequencyDigits(lower))), mhz(upper)});
    }

    // Mode and step as the list gives them, or the band's own.
    int mode = DefaultMode(image, band);
    Message modeNote;
    if (!cells[ColMode].empty()) {
        const int listed = ModeOfCell(cells[ColMode], modeNote);
        if (listed < 0)
            modeNote = MessageOf(
                MessageId::CsvModeNotOffered,
                {cell(ColMode), TextMessage(std::string(ModeTexts[static_cast<std::size_t>(mode)]))});
        else
            mode = listed;
    }
    int step = market == 'J' ? 7 : market == 'K' ? 0 : 5;
    int listedStep = -1;
    std::optional<std::int64_t> listedStepHz;
    if (!cells[ColTStep].empty()) {
        listedStep = StepCodeOfCell(cells[ColTStep]);
        listedStepHz = ParseScaled(cells[ColTStep], 3);
        if (listedStep >= 0) step = listedStep;
    }
    const std::optional<int> chosen = ChooseStep(rx, tx, band, mode, AdjustStepForBand(band, step), profile);
    if (!chosen) {
        std::int64_t moved = *tx;
        return skip(MoveOutOfExcludedRange(profile, band, moved) ? MessageId::CsvTxExcludedRange
                                                                 : MessageId::CsvTxOffStep,
                    {mhz(*tx)});
    }
    step = *chosen;
    const int listedMode = mode;
    CheckFrequency(rx, band, EntryContext::Memory, mode, step, profile);
    const auto modeText = [](int code) {
        return TextMessage(std::string(ModeTexts[static_cast<std::size_t>(code)]));
    };
    if (ParseDecimal(rx) != *rxHz) change(MessageId::CsvFrequencyMoved, {mhz(*rxHz), mhz(ParseDecimal(rx))});
    if (mode != listedMode)
        change(MessageId::CsvModeNotOnBand,
               {cells[ColMode].empty() ? modeText(listedMode) : cell(ColMode), modeText(mode)});
    else if (!modeNote.Empty())
        row.changes.push_back(std::move(modeNote));
    if (!cells[ColTStep].empty() && listedStep < 0)
        change(
            MessageId::CsvStepNotOffered,
            {TextMessage(listedStepHz ? KhzShown(*listedStepHz) : "\"" + std::string(cells[ColTStep]) + "\""),
             TextMessage(StepShown(step))});
    else if (listedStep >= 0 && step != listedStep)
        change(MessageId::CsvStepChanged, {TextMessage(StepShown(listedStep)), TextMessage(StepShown(step))});

    std::string txDigits;
    if (tx) {
        txDigits = FrequencyDigits(*tx);
        CheckSplitTxFrequency(txDigits, band, mode, step, profile);
        if (ParseDecimal(txDigits) != *tx) // ChooseStep made sure of it; never store a moved one
            return skip(MessageId::CsvTxOffStep, {mhz(*tx)});
        if (splitOffset)
            change(MessageId::CsvOffsetToSplit, {TextMessage(OffsetShown(*splitOffset)), mhz(*tx)});
    }

    // Tone, CTCSS, DCS.
    bool toneOn = false, ctcssOn = false, dcsOn = false;
    std::size_t toneIndex = 8, ctcssIndex = 8, dcsIndex = 0;
    const auto toneOf = [&](Column column, std::size_t& index, bool used) {
        if (cells[column].empty()) return;
        std::string_view text = cells[column];
        const std::string lower = Lower(text);
        if (std::string_view(lower).ends_with("hz")) text.remove_suffix(2);
        const std::optional<std::int64_t> tenths = ParseScaled(text, 1);
        if (!tenths) {
            if (used) change(MessageId::CsvToneNotNumber, {cell(column)});
            return;
        }
        index = NearestTone(*tenths);
        if (used && ToneTenths(index) != *tenths)
            change(MessageId::CsvToneNotInList,
                   {TextMessage(ToneShown(*tenths)), TextMessage(ToneShown(ToneTenths(index)))});
    };
    const auto dcsOf = [&](Column column, std::size_t& index, bool used) {
        std::string_view text = cells[column];
        while (!text.empty() && !IsDigit(text.front()))
            text.remove_prefix(1); // "D023N"
        while (!text.empty() && !IsDigit(text.back()))
            text.remove_suffix(1);
        if (text.empty() || text.size() > 4) return;
        const std::int64_t code = ParseDecimal(text);
        index = NearestDcs(code);
        if (used && DcsValue(index) != code)
            change(MessageId::CsvDcsNotInList,
                   {TextMessage(std::string(text)), TextMessage(std::string(DcsCodes[index]))});
    };
    std::string toneMode(cells[ColTone]);
    std::string cross(cells[ColCrossMode]);
    Message crossNote;
    if (toneMode == "TSQL-R" || toneMode == "DTCS-R") {
        change(MessageId::CsvToneModeTakenAs, {TextMessage(toneMode), TextMessage(toneMode.substr(0, 4))});
        toneMode.resize(4);
    } else if (toneMode == "Cross") {
        // Lists of the older layout have no CrossMode; their writers mean
        // Tone->Tone. The radio has one squelch kind per channel: the
        // receive side wins, then the transmit side.
        crossNote = cross.empty() ? MessageOf(MessageId::CsvCrossWithoutMode)
                                  : MessageOf(MessageId::CsvCrossModeNotOffered, {TextMessage(cross)});
        if (cross.empty()) cross = "Tone->Tone";
        const std::size_t arrow = cross.find("->");
        const std::string txSide = arrow == std::string::npos ? std::string() : cross.substr(0, arrow);
        const std::string rxSide = arrow == std::string::npos ? std::string() : cross.substr(arrow + 2);
        toneMode = rxSide == "Tone"   ? "TSQL"
                   : rxSide == "DTCS" ? "DTCS"
                   : txSide == "Tone" ? "Tone"
                   : txSide == "DTCS" ? "DTCS"
                                      : "";
    }
    if (toneMode == "Tone")
        toneOn = true;
    else if (toneMode == "TSQL")
        ctcssOn = true;
    else if (toneMode == "DTCS")
        dcsOn = true;
    else if (!toneMode.empty())
        change(MessageId::CsvToneModeUnknown, {TextMessage(toneMode)});
    toneOf(ColRTone, toneIndex, toneOn);
    toneOf(ColCTone, ctcssIndex, ctcssOn);
    const bool crossDcsRx = dcsOn && cells[ColTone] == "Cross" && cross.ends_with("->DTCS");
    dcsOf(crossDcsRx && !cells[ColRxDtcsCode].empty() ? ColRxDtcsCode : ColDtcsCode, dcsIndex, dcsOn);
    if (!crossNote.Empty())
        change(MessageId::CsvCrossTaken,
               {std::move(crossNote),
                toneOn ? MessageOf(MessageId::CsvTakenTone, {TextMessage(ToneShown(ToneTenths(toneIndex)))})
                : ctcssOn
                    ? MessageOf(MessageId::CsvTakenCtcss, {TextMessage(ToneShown(ToneTenths(ctcssIndex)))})
                : dcsOn ? MessageOf(MessageId::CsvTakenDcs, {TextMessage(std::string(DcsCodes[dcsIndex]))})
                        : MessageOf(MessageId::CsvTakenNoTone)});
    if (dcsOn && !cells[ColDtcsPolarity].empty() && cells[ColDtcsPolarity] != "NN")
        change(MessageId::CsvDcsPolarity, {cell(ColDtcsPolarity)});

    // Name: at most 8 characters of the market's set.
    std::u32string name = DecodeUtf8(cells[ColName]);
    if (name.size() > NameCharacters) {
        change(MessageId::CsvNameCut);
        name.resize(NameCharacters);
    }
    std::string nameBytes;
    int replaced = 0;
    for (char32_t ch : name) {
        const std::optional<unsigned char> byte =
            ch <= 0xFFFF ? MarketCharToByte(static_cast<char16_t>(ch), market) : std::nullopt;
        if (byte && IsNameByte(*byte, market)) {
            nameBytes += static_cast<char>(*byte);
        } else {
            nameBytes += ' ';
            ++replaced;
        }
    }
    if (replaced > 0) row.changes.push_back(CountedMessage(MessageId::CsvNameReplaced, replaced));
    row.replaced = replaced;

    // Skip: "S" is the radio's lock-out; it has no priority scan per channel.
    const std::string skipCell = Lower(cells[ColSkip]);
    row.lockout = skipCell == "s";
    if (skipCell == "p")
        change(MessageId::CsvSkipPriority);
    else if (!skipCell.empty() && skipCell != "s")
        change(MessageId::CsvSkipUnknown, {cell(ColSkip)});

    const std::string stepChar(1, StepCodes[static_cast<std::size_t>(step)].code);
    row.head = rx + "," + stepChar + "," + shift + ",0," + (toneOn ? "1," : "0,") + (ctcssOn ? "1," : "0,") +
               (dcsOn ? "1," : "0,") + Digits(static_cast<std::int64_t>(toneIndex), 2) + "," +
               Digits(static_cast<std::int64_t>(ctcssIndex), 2) + "," +
               Digits(static_cast<std::int64_t>(dcsIndex), 3) + ",0" + offset + "," + std::to_string(mode) +
               ",";
    row.tail = "," + txDigits + "," + (tx ? stepChar : std::string()) + ",," + nameBytes;
    return row;
}

// Why a row's Location does not place it; the channel it goes to instead
// is added as the last argument once it is known.
Message LocationNote(std::string_view cell, int location)
{
    if (cell.empty()) return MessageOf(MessageId::CsvNoLocation);
    Message where = TextMessage(std::string(cell));
    if (location >= ScanEdgeFirst && location < MemoryCount) {
        const MessageId what = location < PriorityFirst      ? MessageId::CsvLocationScanEdge
                               : location < InformationFirst ? MessageId::CsvLocationPriority
                                                             : MessageId::CsvLocationInformation;
        return MessageOf(what, {std::move(where), TextMessage(MemoryLabel(location))});
    }
    return MessageOf(MessageId::CsvLocationNoChannel, {std::move(where)});
}

// The separator of a list: the one that makes the header line name a
// Frequency column (comma, then semicolon, then tab); comma when none does.
char SeparatorOf(std::string_view text)
{
    for (const char separator : {',', ';', '\t'}) {
        bool found = false;
        ReadCsvRecords(
            text,
            [&](const CsvRecord& record) {
                found = ReadHeader(record).has_value();
                return false;
            },
            separator);
        if (found) return separator;
    }
    return ',';
}

// Where cells are not separated by commas, spreadsheets write numbers with a
// decimal comma ("145,500"): such a comma is read as the point.
CsvRecord WithDecimalPoints(const CsvRecord& record, const Header& header, char separator)
{
    CsvRecord out = record;
    if (separator == ',') return out;
    for (const Column column : {ColFrequency, ColOffset, ColRTone, ColCTone, ColTStep}) {
        const int at = header.position[column];
        if (at < 0 || static_cast<std::size_t>(at) >= out.cells.size()) continue;
        std::string& cell = out.cells[static_cast<std::size_t>(at)];
        if (cell.find('.') == std::string::npos) std::replace(cell.begin(), cell.end(), ',', '.');
    }
    return out;
}

// Location cell as a slot number; -1 when it is empty or not a number.
int LocationOf(std::string_view cell)
{
    if (cell.empty() || cell.size() > 6) return -1;
    for (char c : cell)
        if (!IsDigit(c)) return -1;
    return static_cast<int>(ParseDecimal(cell));
}

std::string Upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

} // namespace

long long SpecialShiftOffsetHz(int band, char market)
{
    if (band == 3 || band == 14) {
        if (market == 'E') return 6'000'000;
        if (market == 'K') return 20'000'000;
        return 0;
    }
    if ((band == 2 || band == 12) && market == 'E') return 7'600'000;
    return 0;
}

CsvExport WriteChannelsCsv(const RadioImage& image, CsvEncoding encoding)
{
    CsvExport result;
    result.encoding = encoding;
    result.bytes = std::string(kCsvHeader) + "\r\n";
    for (int slot = 0; slot < MemoryCount; ++slot) {
        if (RecordField(image.GetMemoryRecord(slot), F::Frequency).empty()) continue;
        result.bytes += ExportRow(image, slot, encoding, result.notes) + "\r\n";
        ++result.rows;
    }
    return result;
}

CsvImportPlan PlanCsvImport(std::string_view bytes, const RadioImage& image, const CsvImportOptions& options)
{
    CsvImportPlan plan;
    const FrequencyProfile profile = FrequencyProfileOf(image);
    const std::string text = ListTextToUtf8(bytes, image.MarketLetter(), plan.eightBit);
    plan.separator = SeparatorOf(text);
    plan.market = image.MarketLetter();
    std::optional<Header> header;
    bool sawRecord = false;

    struct Pending
    {
        CsvRow row;
        ConvertedRow converted;
        int wanted = -1; // the slot its Location and Comment ask for, -1 none
        Message wantedNote;
    };
    std::vector<Pending> pending;

    ReadCsvRecords(
        text,
        [&](const CsvRecord& listed) {
            if (!sawRecord) {
                sawRecord = true;
                header = ReadHeader(listed);
                return header.has_value();
            }
            const CsvRecord record = WithDecimalPoints(listed, *header, plan.separator);
            // Spreadsheets write rows of empty cells below the list.
            if (std::all_of(record.cells.begin(), record.cells.end(),
                            [](const std::string& cell) { return Trim(cell).empty(); }))
                return true;
            Pending entry;
            entry.row.line = record.line;
            if (record.unterminated) {
                entry.row.skipReason = MessageOf(MessageId::CsvQuoteNotClosed);
                pending.push_back(std::move(entry));
                return true;
            }
            const RowCells cells{record, *header};
            entry.converted = ConvertRow(cells, image, profile);
            const int location = LocationOf(cells[ColLocation]);
            const std::string comment = Upper(cells[ColComment]);
            if (options.append) {
                entry.wanted = -1;
            } else if (location >= 0 && location < OrdinaryMemoryCount) {
                entry.wanted = location;
            } else if (location >= OrdinaryMemoryCount && location < MemoryCount &&
                       comment == MemoryLabel(location)) {
                entry.wanted = location;
            } else if (header->position[ColLocation] < 0) {
                // A list without locations simply fills the free channels.
            } else {
                entry.wantedNote = LocationNote(cells[ColLocation], location);
            }
            pending.push_back(std::move(entry));
            return true;
        },
        plan.separator);
    if (!header) {
        plan.status = CsvImportStatus::NoHeader;
        return plan;
    }

    // Locations first, so that a row without one never takes a channel that
    // a later row names; then the rest in file order into free channels.
    std::set<int> taken;
    std::map<int, int> firstLineOfSlot;
    for (Pending& entry : pending) {
        if (!entry.row.skipReason.Empty() || !entry.converted.skipReason.Empty() || entry.wanted < 0)
            continue;
        if (taken.insert(entry.wanted).second) {
            entry.row.slot = entry.wanted;
            firstLineOfSlot[entry.wanted] = entry.row.line;
        } else {
            entry.wantedNote =
                MessageOf(MessageId::CsvLocationTaken,
                          {NumberMessage(entry.wanted), NumberMessage(firstLineOfSlot[entry.wanted])});
        }
    }
    int nextFree = 0;
    for (Pending& entry : pending) {
        CsvRow& row = entry.row;
        if (row.skipReason.Empty()) row.skipReason = entry.converted.skipReason;
        if (!row.skipReason.Empty()) continue;
        if (row.slot < 0) {
            while (nextFree < OrdinaryMemoryCount &&
                   (taken.count(nextFree) || !image.GetMemoryRecord(nextFree).empty()))
                ++nextFree;
            if (nextFree >= OrdinaryMemoryCount) {
                row.skipReason = MessageOf(MessageId::CsvNoFreeChannel);
                continue;
            }
            row.slot = nextFree;
            taken.insert(nextFree);
            if (!entry.wantedNote.Empty()) {
                entry.wantedNote.args.push_back(TextMessage(MemoryLabel(nextFree)));
                row.changes.push_back(std::move(entry.wantedNote));
            }
        }
    }
    for (Pending& entry : pending) {
        CsvRow& row = entry.row;
        if (!row.skipReason.Empty()) {
            row.slot = -1;
            ++plan.skipped;
            plan.rows.push_back(std::move(row));
            continue;
        }
        // Scan edges and priority channels have no lock-out.
        bool lockout = entry.converted.lockout;
        if (lockout && row.slot >= ScanEdgeFirst && row.slot < InformationFirst) {
            entry.converted.changes.push_back(MessageOf(MessageId::CsvSkipOnEdge));
            lockout = false;
        }
        const std::string& replaced = image.GetMemoryRecord(row.slot);
        row.record = KeepWhatTheListCannotSay(MemoryLabel(row.slot) + "," + entry.converted.head +
                                                  (lockout ? "1" : "0") + entry.converted.tail,
                                              replaced, row.slot, header->position[ColSkip] >= 0, image);
        if (!replaced.empty()) ++plan.replaced;
        row.changes.insert(row.changes.begin(), entry.converted.changes.begin(),
                           entry.converted.changes.end());
        plan.replacedCharacters += entry.converted.replaced;
        ++plan.imported;
        if (!row.changes.empty()) ++plan.adjusted;
        plan.rows.push_back(std::move(row));
    }
    return plan;
}

std::vector<int> OverwrittenSlots(const CsvImportPlan& plan, const RadioImage& image)
{
    std::vector<int> slots;
    for (const CsvRow& row : plan.rows)
        if (row.slot >= 0 && !image.GetMemoryRecord(row.slot).empty()) slots.push_back(row.slot);
    std::sort(slots.begin(), slots.end());
    return slots;
}

void ApplyCsvImport(const CsvImportPlan& plan, RadioImage& image)
{
    for (const CsvRow& row : plan.rows)
        if (row.slot >= 0) image.SetMemoryRecord(row.slot, row.record);
}

std::vector<Message> CsvImportReport(const CsvImportPlan& plan)
{
    if (plan.status == CsvImportStatus::NoHeader) return {MessageOf(MessageId::CsvNoHeader)};
    std::vector<Message> lines;
    lines.push_back(
        MessageOf(MessageId::CsvImported,
                  {NumberMessage(plan.imported), NumberMessage(plan.adjusted), NumberMessage(plan.skipped)}));
    if (plan.replaced > 0) lines.push_back(CountedMessage(MessageId::CsvReplaced, plan.replaced));
    if (plan.eightBit)
        lines.push_back(MessageOf(
            MessageId::CsvNotUtf8,
            {plan.market == 'J' ? MessageOf(MessageId::CsvCodePage932) : TextMessage("windows-1252")}));
    if (plan.replacedCharacters > 0)
        lines.push_back(CountedMessage(MessageId::CsvReplacedCharacters, plan.replacedCharacters));
    for (const CsvRow& row : plan.rows) {
        if (row.slot < 0) {
            lines.push_back(MessageOf(MessageId::CsvRowSkipped, {NumberMessage(row.line), row.skipReason}));
            continue;
        }
        for (const Message& change : row.changes)
            lines.push_back(MessageOf(MessageId::CsvRowChanged,
                                      {NumberMessage(row.line), TextMessage(MemoryLabel(row.slot)), change}));
    }
    return lines;
}

std::vector<Message> CsvExportReport(const CsvExport& exported)
{
    std::vector<Message> lines;
    lines.push_back(CountedMessage(exported.encoding == CsvEncoding::EightBit ? MessageId::CsvExported8Bit
                                                                              : MessageId::CsvExported,
                                   exported.rows));
    if (!exported.notes.empty()) lines.push_back(MessageOf(MessageId::CsvLost));
    for (const Message& note : exported.notes)
        lines.push_back(MessageOf(MessageId::CsvNote, {note}));
    return lines;
}
