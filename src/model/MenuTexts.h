// The readable names and values of the 41 radio menu settings, as the
// printed listing and the comparison of two images show them: "Battery
// Saver" with "0.2sec" for the stored "1".
#pragma once

#include <string>
#include <string_view>

// Name of menu setting 0..40 for the market ("440MHz FM Narrow" in market K,
// "430MHz FM Narrow" elsewhere); empty outside 0..40. In English, as the
// listing prints it; a window translates it in context "MenuTexts".
std::string_view MenuSettingLabel(int setting, char market);

// Text of a stored value: the listed text of "0", "1", ... for a setting with
// choices (any other value, an empty one included, gives the setting's
// remaining choice), the value itself for a free text, the whole number for
// the contrast. Empty outside 0..40.
std::string MenuSettingValueText(int setting, std::string_view value);
