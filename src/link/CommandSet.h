// The radio's text command set: every command the read and write transfers
// send, the echo each reply starts with, the assembly of replies into image
// records, the band-limit report, and the name and DTMF character mappings.
// Pure text in, text out; the transfers decide the order.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

class RadioImage;

// The carriage return that ends every command and every reply.
inline constexpr char CommandEnd = '\r';

// The reply payload buffer holds at most this many characters.
inline constexpr std::size_t ReplyPayloadCapacity = 249;

// A command as sent (without the CR) with the number of leading reply
// characters that echo it and are dropped before the payload.
struct RadioCommand
{
    std::string text;
    std::size_t echo = 0;
};

// One menu command word and the menu setting it carries, in transfer order.
struct MenuCommandWord
{
    const char* word;
    int setting;
};
inline constexpr std::size_t MenuWordCount = 32;
extern const std::array<MenuCommandWord, MenuWordCount> MenuCommandWords;

// Settings carried by "PC 0".."PC 3" and by "NAR" with 0, 1, 2, 3, 5.
inline constexpr int PowerSettingFirst = 7;
inline constexpr int PowerCommandCount = 4;
inline constexpr std::array<int, 5> NarrowCommandIndexes = {0, 1, 2, 3, 5};
inline constexpr int NarrowSettingFirst = 35;

// Index of the "MES" (power-on message) setting, whose text is a name.
inline constexpr int MessageSetting = 21;

// True for the memory labels "L0".."U9", whose echoes are one shorter.
bool IsScanEdgeSlot(int slot);

// ---- Read commands (queries) ----
RadioCommand WakeUpCommand();           // "VOX 0"
RadioCommand IdentityCommand();         // "ID"
RadioCommand TypeCommand();             // "TYD"
RadioCommand BandLimitQuery(int group); // "FL 0", "FL 1"
RadioCommand MemoryQuery(int slot);     // "MR 0,<label>"
RadioCommand MemoryTxQuery(int slot);   // "MR 1,<label>"
RadioCommand MemoryNameQuery(int slot); // "MNA <label>"
RadioCommand CallQuery(int slot, int part);
RadioCommand VfoQuery(int band); // "VR <hex digit>"
RadioCommand ProgramVfoQuery(int index);
RadioCommand DtmfQuery(int memory);     // "DM <dd>"
RadioCommand DtmfNameQuery(int memory); // "DMN <dd>"
RadioCommand PowerQuery(int k);         // "PC <k>"
RadioCommand NarrowQuery(int k);        // "NAR <k>"
RadioCommand MenuQuery(std::size_t wordIndex);

// ---- Reply assembly ----

// Collects one callback's worth of received bytes into a payload: carriage
// returns are dropped, then the echo, and the rest is kept up to the payload
// capacity (a longer reply is cut, never written past the buffer).
class ReplyAssembler
{
  public:
    explicit ReplyAssembler(std::size_t echo) : echo_(echo) {}
    void Feed(std::string_view bytes);
    const std::string& Payload() const { return payload_; }
    // The characters dropped as the echo (for the reply check).
    const std::string& Echo() const { return dropped_; }
    // Whether the payload ran past its capacity and was cut.
    bool Cut() const { return cut_; }

  private:
    std::size_t echo_;
    std::string dropped_;
    std::string payload_;
    bool cut_ = false;
};

// Payload of a whole received text for a command with the given echo.
std::string AssemblePayload(std::string_view bytes, std::size_t echo);

// The payload with empty fields added up to `fields` ("0,00144" to 3 gives
// "0,00144,"); a payload with that many or more is returned as it is. A
// reply may stop early, and the read joins replies by position: each is
// completed to its layout before the next is joined.
std::string CompleteToLayout(std::string_view payload, std::size_t fields);

// Memory record from the three payloads of one label ("MR 0", "MR 1",
// "MNA"); empty when the "MR 0" payload marks an empty channel. A short
// "MR 0" or "MR 1" payload is completed to its fields (0..13, 14..15).
bool IsEmptyMemoryReply(std::string_view r0);
std::string MemoryRecordFromReplies(int slot, std::string_view r0, std::string_view r1, std::string_view name,
                                    char market);
// The J market's step fix for the three information frequencies.
std::string ApplyInformationStepFix(int slot, std::string_view r0, char market);

// CALL record: first payload (fields 1..12) and second (fields 14, 15),
// each completed to its fields.
bool IsEmptyCallReply(std::string_view c0);
std::string CallRecordFromReplies(int slot, std::string_view c0, std::string_view c1);

// VFO record from the "VR" payload (fields 0..12, completed); an empty
// payload gives an empty record.
std::string VfoRecordFromReply(std::string_view payload);

// DTMF record of memory 0..9 from "DM" and "DMN" payloads. The record
// carries the memory's own two-digit number, whatever width the radio
// answered it in ("3" or "03").
bool IsEmptyDtmfReply(std::string_view dm);
std::string DtmfRecordFromReplies(int memory, std::string_view dm, std::string_view name, char market);

// Parses an "FL" payload into band limits of the group (0: bands 0..3,
// 1: bands 4..13). Pairs past band 13 and an unpaired last token (a
// trailing comma leaves an empty one) are dropped.
void StoreBandLimits(RadioImage& image, int group, std::string_view payload);

// ---- Character conversions ----
std::string NameFromRadio(std::string_view bytes, char market);
std::string NameToRadio(std::string_view bytes, char market);
// DTMF codes: '*' and '#' travel as 'E' and 'F'.
std::string DtmfCodeToRadio(std::string_view code);
std::string DtmfCodeFromRadio(std::string_view code);

// ---- Write commands ----
// Each returns the command text (without the CR).
std::string MemoryWriteCommand(const RadioImage& image, int slot); // complete or bare "MW 0,"
bool MemoryHasChannel(const RadioImage& image, int slot);
bool MemoryHasTxPart(const RadioImage& image, int slot);
std::string MemoryTxWriteCommand(const RadioImage& image, int slot);   // "MW 1,"
std::string MemoryNameWriteCommand(const RadioImage& image, int slot); // "MNA "
bool CallHasChannel(const RadioImage& image, int slot);
bool CallHasTxPart(const RadioImage& image, int slot);
std::string CallWriteCommand(const RadioImage& image, int slot);   // "CW 0"
std::string CallTxWriteCommand(const RadioImage& image, int slot); // "CW 1"
bool VfoHasChannel(const RadioImage& image, int band);
std::string VfoWriteCommand(const RadioImage& image, int band);
bool ProgramVfoHasRange(const RadioImage& image, int index);
std::string ProgramVfoWriteCommand(const RadioImage& image, int index);
std::string DtmfWriteCommand(const RadioImage& image, int memory);     // "DM "
std::string DtmfNameWriteCommand(const RadioImage& image, int memory); // "DMN "
std::string PowerWriteCommand(const RadioImage& image, int k);
std::string NarrowWriteCommand(const RadioImage& image, int k);
std::string MenuWriteCommand(const RadioImage& image, std::size_t wordIndex);

// The two-digit DTMF memory number ("00".."09").
std::string DtmfNumber(int memory);

// ---- What a transfer asks of the line ----

// What a read or write covers (the main window's transfer scope, by value).
enum class LinkScope { All = 0, Memory = 1, Menu = 2 };

// How a transfer ended, or that it is still under way.
// PortUnavailable: the port could not be opened at the start; LineFailure:
// the line failed during the transfer (a hang-up, a failed write).
// BadReply: a reply of the read failed its check twice.
enum class TransferOutcome {
    Running,
    Completed,
    Cancelled,
    InvalidRadio,
    Timeout,
    LineFailure,
    PortUnavailable,
    BadReply
};

// The transfer's answer to a start or a reply: send a command, wait the
// start delay again, ask again for a reply that failed its check (discard
// what arrives for the retry delay, then send the same command), or stop
// (finished, or the radio is not the expected one).
struct TransferAction
{
    enum class Kind { Send, RestartStartDelay, Retry, Finish, InvalidRadio };
    Kind kind = Kind::Finish;
    std::string command;     // Send, Retry: the command without its CR
    bool clearInput = false; // discard whatever waits in the input queue first
};

// Progress bar maximum of a scope: 461 for the memories, 37 for the menu.
int TransferMaximum(LinkScope scope);
