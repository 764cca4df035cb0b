// What the VFO editor does apart from its widgets: the band list, the values
// shown for empty fields (shared with the CALL editor), loading and building
// VFO records, and the program VFO range boxes that keep themselves inside
// the band limit.
#pragma once

#include "rules/ChannelRules.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class RadioImage;

// Shown for an empty field of a VFO (or CALL) record; band 13 has no
// receive frequency, step or mode default.
struct VfoDefaults
{
    std::optional<std::string> rxText;
    std::optional<int> step;
    std::optional<int> mode;
    std::string offsetText;
};
VfoDefaults DefaultVfoFields(int band, char market, std::string_view typeDigits);

// Band names of the band list, in band-code order, for the version.
std::vector<std::string> VfoBandList(char market, std::string_view model);

// Controls of a band's VFO record. Where the record and the defaults both
// leave the step or mode open, the lists keep the positions in current.
ChannelControls LoadVfoControls(const RadioImage& image, int band, const ChannelControls& current);
// The VFO record OK stores (the program VFO record must already be stored:
// the check reads the range from the image).
BuiltRecord BuildVfoRecord(const RadioImage& image, int band, const ChannelControls& controls);
AcceptedEntries AcceptVfoEntries(const RadioImage& image, int band, const ChannelControls& controls);

// ---- Program VFO range (band codes 0 to 3) ----------------------------------
inline bool HasProgramVfo(int band)
{
    return band >= 0 && band <= 3;
}

struct ProgramVfoBoxes
{
    std::string lower;
    std::string upper;
};
enum class ProgramVfoBox { Lower, Upper };

// Whole-MHz bounds a range may take: the band limit's lower bound and its
// upper bound minus one. nullopt when the band has no limit.
struct ProgramVfoBounds
{
    std::int64_t lo;
    std::int64_t hi;
    std::int64_t limitUpper; // the limit's upper bound itself
};
std::optional<ProgramVfoBounds> ProgramVfoBoundsOf(const RadioImage& image, int band);

// Box text of a program VFO record field: "00144" shows as "144".
std::string ProgramVfoBoxText(std::string_view field);

// The change rule of one box after its text changed, with what it does to the
// other box. Returns false only when the box held "0" and was emptied (which
// is no edit).
bool ApplyProgramVfoChange(ProgramVfoBoxes& boxes, ProgramVfoBox changed, int band,
                           const std::optional<ProgramVfoBounds>& bounds);
// A box with fewer than 3 characters takes the band limit's bound; each
// written box runs its change rule.
void FillProgramVfoDefaults(ProgramVfoBoxes& boxes, int band, const std::optional<ProgramVfoBounds>& bounds);
// The program VFO record of the boxes ("0,00144,00147"), kept inside the band
// limit with the upper value not below the lower one.
std::string BuildProgramVfoRecord(int band, const ProgramVfoBoxes& boxes,
                                  const std::optional<ProgramVfoBounds>& bounds);
