// The simulated radio: a whole radio's memory (432 channels, CALL, VFO,
// program VFO, DTMF, menu settings, band limits of its version) that answers
// every command of the radio's command set as the radio does. It only turns
// command lines into reply lines; a host serves it on a line, with or
// without wire pacing. Faults can be injected by command number.
#pragma once

#include "model/RadioImage.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Faults by 1-based command number (0: never).
struct VirtualRadioFaults
{
    int dropReply = 0;   // no reply to this command
    int garble = 0;      // this reply's characters are replaced by noise
    int hangUpAfter = 0; // after replying to this command the radio goes away
    int garbleCount = 1; // how many replies, from the garbled one on, are garbled
    // The N-th write command (counted alone, see IsWriteCommand) is answered
    // as if stored, and the radio's memory stays as it was.
    int ignoreWrite = 0;
    // Replies to the commands that start with this text (empty: none) stop
    // before their n-th comma (cutBeforeComma > 0), as a radio that answers
    // fewer fields, or carry one field more (extraField).
    std::string alterRepliesTo{};
    int cutBeforeComma = 0;
    bool extraField = false;
};

// Whether a command line sets something in the radio's memory: "MW", "CW",
// "VW", and "MNA", "PV", "DM", "DMN", "PC", "NAR" and the menu words with a
// value. The wake-up "VOX 0" and the channel mode "VMC" are not.
bool IsWriteCommand(std::string_view command);

// A radio of a version as a new radio is: band limits, default VFO, CALL and
// menu settings, information channels, nothing else.
RadioImage NewRadioImage(std::string_view typeCode, std::string_view model);

class VirtualRadio
{
  public:
    // A radio of a version: its band limits, defaults, menu settings and
    // information channels as a new radio has them.
    VirtualRadio(std::string_view typeCode, std::string_view model);
    // A radio holding an image (as the program holds it: names in the
    // program's character set, DTMF codes with '*' and '#').
    explicit VirtualRadio(const RadioImage& contents);

    // Answers one command line (without its CR). The reply ends with CR;
    // nullopt when the radio stays silent (a dropped reply, or hung up).
    std::optional<std::string> Respond(std::string_view command);

    // Byte-stream form: takes received bytes, splits them into command lines
    // at CR (line feeds, XON and XOFF are ignored) and returns every reply
    // due, in order. A partial line waits for the rest.
    std::string Feed(std::string_view bytes);
    // Takes the next complete command line out of pending bytes (the CR is
    // dropped); nullopt when no CR has arrived yet. An overlong line without
    // a CR is discarded rather than kept growing.
    static std::optional<std::string> TakeCommandLine(std::string& pending);

    void SetFaults(const VirtualRadioFaults& faults) { faults_ = faults; }
    // What the radio answers to "ID"; empty: its model.
    void SetIdentity(std::string identity) { identity_ = std::move(identity); }
    // True once the radio has gone away (the host should close the line).
    bool HungUp() const { return hungUp_; }
    int CommandCount() const { return commands_; }

    // The radio's memory as the program would hold it after a full read
    // (names and DTMF codes converted back), for saving and for tests.
    RadioImage Contents() const;
    // The radio's memory as stored in the radio (names in its own set).
    const RadioImage& Memory() const { return memory_; }

    // Lines longer than this without a CR are discarded.
    static constexpr std::size_t MaxCommandLength = 512;

  private:
    std::string Answer(std::string_view command);
    std::string AnswerMemory(std::string_view command);
    std::string AnswerCall(std::string_view command);
    std::string AnswerDtmf(std::string_view command);
    std::string AnswerMenu(std::string_view command);
    bool BandPresent(int band) const;

    RadioImage memory_;
    VirtualRadioFaults faults_;
    std::string identity_;
    std::string pending_;
    int commands_ = 0;
    int writes_ = 0;
    bool hungUp_ = false;
    int lastCallSlot_ = 0;
};
