// Menu setting names and value texts, indexed by setting.
#include "model/MenuTexts.h"

#include "model/FieldTexts.h"

#include <array>

namespace {

struct MenuText
{
    std::string_view label;
    enum class Kind { Listed, Text, Number } kind;
    // Listed: the texts of the stored values "0", "1", ... in order.
    std::array<std::string_view, 10> values{};
    // Listed: the text of every value not in `values`; none gives no text.
    std::string_view otherwise{};
};

using Kind = MenuText::Kind;

constexpr std::array<std::string_view, 10> Off = {"OFF"};

const std::array<MenuText, 41> MenuTexts = {{
    {"Operation Band", Kind::Listed, {"A-Band"}, "B-Band"},
    {"Balance",
     Kind::Listed,
     {"A-Band Max / B-Band Mute", "A-Band Max / B-Band Att", "A-Band Max / B-Band Max",
      "A-Band Att / B-Band Max", "A-Band Mute / B-Band Max"}},
    {"Band Select", Kind::Listed, {"Single Band"}, "Dual Band"},
    {"Attenuator", Kind::Listed, Off, "ON"},
    {"Key Lock", Kind::Listed, Off, "ON"},
    {"Lamp", Kind::Listed, Off, "ON"},
    {"Memory Name", Kind::Listed, {"ON"}, "OFF"},
    {"A-Band RF Power", Kind::Listed, {"High", "Low"}, "EL"},
    {"B-Band RF Power", Kind::Listed, {"High", "Low"}, "EL"},
    {"1.2GHz A-Band RF Power", Kind::Listed, {"High"}, "Low"},
    {"1.2GHz B-Band RF Power", Kind::Listed, {"High"}, "Low"},
    {"Scan Resume Method", Kind::Listed, {"Time-Operated Mode", "Carrier-Operated Mode"}, "Seek Mode"},
    {"Memory Group Link", Kind::Text},
    {"Memory Recall Method", Kind::Listed, {"All Bands"}, "Current Band"},
    {"Automatic Repeater Offset", Kind::Listed, Off, "ON"},
    {"Tune Enable", Kind::Listed, Off, "ON"},
    {"Tx Inhibit", Kind::Listed, Off, "ON"},
    {"DTMF Speed", Kind::Listed, {"Fast"}, "Slow"},
    {"DTMF Pause", Kind::Listed, {"100ms", "250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms"}},
    {"DTMF Lock", Kind::Listed, Off, "ON"},
    {"DTMF Hold", Kind::Listed, Off, "ON"},
    {"Power-on Message", Kind::Text},
    {"Contrast", Kind::Number},
    {"Battery Saver",
     Kind::Listed,
     {"OFF", "0.2sec", "0.4sec", "0.6sec", "0.8sec", "1.0sec", "2.0sec", "3.0sec", "4.0sec", "5.0sec"}},
    {"Auto Power Off", Kind::Listed, {"OFF", "30min", "60min"}},
    {"Key Beep", Kind::Listed, Off, "ON"},
    {"VOX on Busy", Kind::Listed, Off, "ON"},
    {"VOX Gain", Kind::Text},
    {"VOX Deley", Kind::Listed, {"250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms", "3000ms"}},
    {"CALL Key", Kind::Listed, {"CALL"}, "1750Hz Tone"},
    {"1750Hz Tone hold", Kind::Listed, Off, "ON"},
    {"Beet Shift", Kind::Listed, Off, "ON"},
    {"Bar Antenna", Kind::Listed, {"Disabled"}, "Enabled"},
    {"Language", Kind::Listed, {"English"}, "Japanese"},
    {"Packet Speed", Kind::Listed, {"1200bps"}, "9600bps"},
    {"144MHz FM Narrow", Kind::Listed, Off, "ON"},
    {"220MHz FM Narrow", Kind::Listed, Off, "ON"},
    {"440MHz FM Narrow", Kind::Listed, Off, "ON"},
    {"1200MHz FM Narrow", Kind::Listed, Off, "ON"},
    {"HF Band FM Narrow", Kind::Listed, Off, "ON"},
    {"Battery", Kind::Listed, {"Lithium"}, "Alkaline"},
}};

constexpr int Narrow440Setting = 37;

} // namespace

std::string_view MenuSettingLabel(int setting, char market)
{
    if (setting < 0 || setting >= static_cast<int>(MenuTexts.size())) return {};
    if (setting == Narrow440Setting && market != 'K') return "430MHz FM Narrow";
    return MenuTexts[static_cast<std::size_t>(setting)].label;
}

std::string MenuSettingValueText(int setting, std::string_view value)
{
    if (setting < 0 || setting >= static_cast<int>(MenuTexts.size())) return {};
    const MenuText& text = MenuTexts[static_cast<std::size_t>(setting)];
    switch (text.kind) {
    case Kind::Listed:
        for (std::size_t i = 0; i < text.values.size() && !text.values[i].empty(); ++i) {
            if (value.size() == 1 && value.front() == static_cast<char>('0' + i))
                return std::string(text.values[i]);
        }
        return std::string(text.otherwise);
    case Kind::Text:
        return std::string(value);
    case Kind::Number:
        return std::to_string(ParseDecimal(value));
    }
    return {};
}
