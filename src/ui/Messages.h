// Message boxes of TSL-Q2/Q3. Every message the program shows to the operator
// goes through ShowMessage: the caption is always the application title, and
// the buttons and the icon follow from the kind of message. Tests replace the
// presenter with one that answers from a script, so no test blocks on a box.
#pragma once

#include <QString>

#include <functional>

enum class MessageKind {
    Error,       // OK, stop icon: "File Open error.", "The radio is invalid. ...", time-out
    Warning,     // OK, exclamation icon: invalid ports, no default printer
    SaveChanges, // Yes, No, Cancel, exclamation icon: "Data is changed. ..."
    Question,    // Yes, No, question icon: write confirmation, editor change prompts
    Information, // OK, information icon: invalid entries, rounded frequency
    // Yes, No and "Compare First...", question icon: the confirmation of
    // Write > All, Memory and Menu.
    WriteQuestion,
};

enum class MessageButton { Ok, Yes, No, Cancel, CompareFirst };

using MessagePresenter = std::function<MessageButton(MessageKind, const QString& text)>;

// Shows a modal message box and returns the button pressed. Closing a box
// with Escape or its close box answers Cancel when the box has Cancel, No when
// it has Yes and No, and OK otherwise.
MessageButton ShowMessage(MessageKind kind, const QString& text);

// Replaces the presenter and returns the previous one; an empty presenter
// restores the modal message box.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// The text as the message box lays it out: a comma between two characters
// ("KK,0F", "1,200") never ends a line there.
QString MessageBoxText(const QString& text);

// The fixed texts. Each is its English, character for character, marked
// for Qt Linguist (context "Messages"); used as a QString it reads in the
// program's language, so a message box, a test's recorder and a text built
// from it all see the same words.
namespace Msg {
class FixedText
{
  public:
    constexpr explicit FixedText(const char* english) : english_(english) {}
    // The text in the program's language (the English when no translation
    // is loaded).
    operator QString() const;
    const char* English() const { return english_; }

  private:
    const char* english_;
};

// The program's name: the caption of every message box, never translated.
inline const QString ApplicationTitle = QStringLiteral("TSL-Q2/Q3");
inline constexpr FixedText FileOpenError{QT_TRANSLATE_NOOP("Messages", "File Open error.")};
inline constexpr FixedText RadioInvalid{
    QT_TRANSLATE_NOOP("Messages", "The radio is invalid.\nPlease check and try again.")};
inline constexpr FixedText CommTimeout{QT_TRANSLATE_NOOP("Messages", "Communication timeout error.")};
inline constexpr FixedText PortInvalidBeforeRead{
    QT_TRANSLATE_NOOP("Messages", "COM port is invalid.\nPlease check comport status.")};
inline constexpr FixedText PortInvalidBeforeWrite{
    QT_TRANSLATE_NOOP("Messages", "COM port is invalid.\nPlease check and try again.")};
inline constexpr FixedText NoDefaultPrinter{QT_TRANSLATE_NOOP("Messages", "There is no default printer.")};
inline constexpr FixedText DataChanged{
    QT_TRANSLATE_NOOP("Messages", "Data is changed.\nDo you want to save the changes?")};
inline constexpr FixedText WriteConfirm{
    QT_TRANSLATE_NOOP("Messages", "Do you want to write the data to the radio?")};
inline constexpr FixedText ContentsChanged{
    QT_TRANSLATE_NOOP("Messages", "The contents has been changed.\nDo you want to change?")};
// The variant asked when an editor is closed (with its trailing space).
inline constexpr FixedText ContentsChangedOnClose{
    //: Asked when an editor with unstored changes is closed; keep the space at the end.
    QT_TRANSLATE_NOOP("Messages", "The contents has been changed.\nDo you want to change? ")};
inline constexpr FixedText InvalidFrequency{
    QT_TRANSLATE_NOOP("Messages", "Invalid Frequency.\nPlease check and try again.")};
inline constexpr FixedText InvalidOffset{
    QT_TRANSLATE_NOOP("Messages", "Invalid Offset.\nPlease check and try again.")};
inline constexpr FixedText FrequencyRounded{QT_TRANSLATE_NOOP("Messages", "Frequency is rounded.")};
inline constexpr FixedText InvalidChannelNumber{
    QT_TRANSLATE_NOOP("Messages", "Invalid channel Number.\nPlease check and try again.")};
inline constexpr FixedText InvalidCharacter{
    QT_TRANSLATE_NOOP("Messages", "Invalid character.\nPlease check and try again.")};
// "COM1 is invalid.\nPlease check comport status." .. "COM10 ..." for port 1..10.
QString PortInvalid(int port);
} // namespace Msg
