// Memory channel sort: closes the gaps left by empty channels in slots 0..399,
// orders the channels by receive frequency or by name, and renumbers every
// channel to its new slot. The special channels in slots 400..431 are never
// touched.
#pragma once

#include "model/RadioImage.h"

#include <span>
#include <string>

enum class SortOrder { Frequency, Name };

// Sorts the ordinary memory records in place; only the first 400 entries of
// the span are used.
void SortMemoryRecords(std::span<std::string> records, SortOrder order);

// Sorts memory slots 0..399 of the image.
void SortMemoryChannels(RadioImage& image, SortOrder order);
