// Images of a given radio version for the files tests.
#pragma once

#include "files/DataFile.h"
#include "model/Profile.h"
#include "model/RadioImage.h"

#include <string>

namespace tslq::test {

// The profile of a version with the default band limits, as a first start
// with that choice would store it; no records yet.
inline RadioImage ProfileImage(const std::string& type, const std::string& model)
{
    MemoryConfigStore store;
    store.Write("Type", type);
    store.Write("Model", model);
    RadioImage image;
    LoadProfile(store, image, "/", [] { return 0; });
    return image;
}

// What File > New makes for the version.
inline RadioImage NewImage(const std::string& type, const std::string& model)
{
    RadioImage image = ProfileImage(type, model);
    ResetImage(image, ImageReset::ForNew);
    return image;
}

// What a load starts from for the version.
inline RadioImage LoadImage(const std::string& type, const std::string& model)
{
    RadioImage image = ProfileImage(type, model);
    ResetImage(image, ImageReset::ForLoad);
    return image;
}

} // namespace tslq::test
