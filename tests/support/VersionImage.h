// Radio images of each version as the main window builds them at start-up.
#pragma once

#include "model/RadioImage.h"

#include <string_view>

// An image as the main window builds it at start-up for the version: type
// code, model, default band limits, VFO/CALL defaults, information channels.
RadioImage MakeVersionImage(std::string_view typeCode, std::string_view model = "ZT-Q3");
