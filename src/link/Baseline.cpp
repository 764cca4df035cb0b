#include "link/Baseline.h"

void RadioBaseline::Read(const RadioImage& radio, Source source, std::int64_t whenMs)
{
    image_ = radio;
    source_ = source;
    whenMs_ = whenMs;
}

void RadioBaseline::Written(const RadioImage& written, LinkScope scope, const SlotSet& sent, bool finished,
                            std::int64_t whenMs)
{
    if (!finished) {
        image_.reset();
        return;
    }
    if (image_)
        image_ = AfterWrite(*image_, written, sent);
    else if (scope == LinkScope::All)
        image_ = written;
    else
        return;
    source_ = Source::Write;
    whenMs_ = whenMs;
}

std::string RadioBaseline::Unavailable(const RadioImage& window) const
{
    if (!image_)
        return "Needs what the radio holds: read the radio or compare with it first in this session.";
    if (image_->TypeCode() != window.TypeCode())
        return "The radio last read or written is of version " + image_->TypeCode() +
               ", the data of version " + window.TypeCode() + ": read the radio or compare with it first.";
    return {};
}
