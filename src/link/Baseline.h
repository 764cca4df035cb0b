// What the program knows the radio holds, for Write > Changes: the image of
// the last complete read or compare of this session, or what the last
// finished write left there. A write that did not finish leaves the radio
// in a state nobody knows, and the baseline is dropped.
#pragma once

#include "link/CommandSet.h"
#include "link/ImageDiff.h"
#include "model/Message.h"
#include "model/RadioImage.h"

#include <cstdint>
#include <optional>
#include <string>

class RadioBaseline
{
  public:
    enum class Source { Read, Compare, Write };

    // A complete read (or the read of a compare): the radio holds this in
    // the slots of the scope. A read of part of the radio adds to an earlier
    // baseline of its version and tells nothing without one.
    // whenMs: milliseconds since the epoch, for the confirmation.
    void Read(const RadioImage& radio, Source source, LinkScope scope, std::int64_t whenMs);
    // A write has ended. A finished one leaves the radio holding the written
    // records in the slots it sent, and what it held elsewhere; without an
    // earlier baseline only a write of everything (scope All) tells what the
    // radio holds. An unfinished write drops the baseline.
    void Written(const RadioImage& written, LinkScope scope, const SlotSet& sent, bool finished,
                 std::int64_t whenMs);
    // A read-back after a write: the radio holds these records in the
    // slots read back.
    void ReadBack(const RadioImage& readBack, const SlotSet& slots);
    void Drop() { image_.reset(); }

    bool Has() const { return image_.has_value(); }
    // Only while Has().
    const RadioImage& Image() const { return *image_; }
    Source From() const { return source_; }
    std::int64_t WhenMs() const { return whenMs_; }

    // Why Write > Changes cannot write the window's image: empty when the
    // baseline is of the image's version, else a sentence for the tip.
    Message Unavailable(const RadioImage& window) const;

  private:
    std::optional<RadioImage> image_;
    Source source_ = Source::Read;
    std::int64_t whenMs_ = 0;
};
