#include "link/Baseline.h"

void RadioBaseline::Read(const RadioImage& radio, Source source, LinkScope scope, std::int64_t whenMs)
{
    if (scope == LinkScope::All) {
        image_ = radio;
    } else if (image_ && image_->TypeCode() == radio.TypeCode()) {
        image_ = AfterWrite(*image_, radio, SlotSet::Covered(scope));
    } else {
        image_.reset();
        return;
    }
    source_ = source;
    whenMs_ = whenMs;
}

void RadioBaseline::ReadBack(const RadioImage& readBack, const SlotSet& slots)
{
    if (image_ && image_->TypeCode() == readBack.TypeCode()) image_ = AfterWrite(*image_, readBack, slots);
}

void RadioBaseline::Written(const RadioImage& written, LinkScope scope, const SlotSet& sent, bool finished,
                            std::int64_t whenMs)
{
    if (!finished) {
        image_.reset();
        return;
    }
    // A baseline of another version is of another radio than this one.
    if (image_ && image_->TypeCode() != written.TypeCode()) image_.reset();
    if (image_)
        image_ = AfterWrite(*image_, written, sent);
    else if (scope == LinkScope::All)
        image_ = written;
    else
        return;
    source_ = Source::Write;
    whenMs_ = whenMs;
}

Message RadioBaseline::Unavailable(const RadioImage& window) const
{
    if (!image_) return MessageOf(MessageId::BaselineUnknown);
    if (image_->TypeCode() != window.TypeCode())
        return MessageOf(MessageId::BaselineOtherVersion,
                         {TextMessage(image_->TypeCode()), TextMessage(window.TypeCode())});
    return {};
}
