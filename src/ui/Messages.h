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

// The fixed texts, character for character.
namespace Msg {
inline const QString ApplicationTitle = QStringLiteral("TSL-Q2/Q3");
inline const QString FileOpenError = QStringLiteral("File Open error.");
inline const QString RadioInvalid = QStringLiteral("The radio is invalid.\nPlease check and try again.");
inline const QString CommTimeout = QStringLiteral("Communication timeout error.");
inline const QString PortInvalidBeforeRead =
    QStringLiteral("COM port is invalid.\nPlease check comport status.");
inline const QString PortInvalidBeforeWrite =
    QStringLiteral("COM port is invalid.\nPlease check and try again.");
inline const QString NoDefaultPrinter = QStringLiteral("There is no default printer.");
inline const QString DataChanged = QStringLiteral("Data is changed.\nDo you want to save the changes?");
inline const QString WriteConfirm = QStringLiteral("Do you want to write the data to the radio?");
inline const QString ContentsChanged =
    QStringLiteral("The contents has been changed.\nDo you want to change?");
// The variant asked when an editor is closed.
inline const QString ContentsChangedOnClose =
    QStringLiteral("The contents has been changed.\nDo you want to change? ");
inline const QString InvalidFrequency = QStringLiteral("Invalid Frequency.\nPlease check and try again.");
inline const QString InvalidOffset = QStringLiteral("Invalid Offset.\nPlease check and try again.");
inline const QString FrequencyRounded = QStringLiteral("Frequency is rounded.");
inline const QString InvalidChannelNumber =
    QStringLiteral("Invalid channel Number.\nPlease check and try again.");
inline const QString InvalidCharacter = QStringLiteral("Invalid character.\nPlease check and try again.");
// "COM1 is invalid.\nPlease check comport status." .. "COM10 ..." for port 1..10.
QString PortInvalid(int port);
} // namespace Msg
