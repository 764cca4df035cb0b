// Radio images of each version as the main window builds them at start-up.
#include "support/VersionImage.h"

#include "model/Profile.h"

RadioImage MakeVersionImage(std::string_view typeCode, std::string_view model)
{
    RadioImage image;
    image.SetTypeCode(typeCode);
    image.SetModel(model);
    for (int band = 0; band < BandLimitCount; ++band)
        image.SetBandLimit(band, DefaultBandLimit(band, image.MarketLetter(), image.RegionLetter(), model));
    image.LoadDefaultVfoAndCall();
    image.LoadInformationChannels();
    image.LoadDefaultMenu();
    return image;
}
