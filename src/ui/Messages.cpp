// The one message box of the program and its replaceable presenter.
#include "ui/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {

MessagePresenter& CurrentPresenter()
{
    static MessagePresenter presenter;
    return presenter;
}

MessageButton ShowMessageBox(MessageKind kind, const QString& text)
{
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (kind) {
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageKind::SaveChanges:
        icon = QMessageBox::Warning;
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    case MessageKind::Question:
        icon = QMessageBox::Question;
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    case MessageKind::Information:
        icon = QMessageBox::Information;
        break;
    case MessageKind::WriteQuestion:
        icon = QMessageBox::Question;
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    }
    QMessageBox box(icon, Msg::ApplicationTitle, MessageBoxText(text), buttons, QApplication::activeWindow());
    QPushButton* compareFirst = nullptr;
    if (kind == MessageKind::WriteQuestion)
        compareFirst = box.addButton(QCoreApplication::translate("Messages", "Compare First..."),
                                     QMessageBox::ActionRole);
    if (buttons & QMessageBox::Cancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons & QMessageBox::No)
        box.setEscapeButton(QMessageBox::No);
    box.setDefaultButton(buttons & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok);
    const int answer = box.exec();
    if (compareFirst && box.clickedButton() == compareFirst) return MessageButton::CompareFirst;
    switch (answer) {
    case QMessageBox::Yes:
        return MessageButton::Yes;
    case QMessageBox::No:
        return MessageButton::No;
    case QMessageBox::Cancel:
        return MessageButton::Cancel;
    default:
        break;
    }
    // A box closed some other way answers like its escape button.
    if (buttons & QMessageBox::Cancel) return MessageButton::Cancel;
    if (buttons & QMessageBox::No) return MessageButton::No;
    return MessageButton::Ok;
}

} // namespace

MessageButton ShowMessage(MessageKind kind, const QString& text)
{
    if (const MessagePresenter& presenter = CurrentPresenter()) return presenter(kind, text);
    return ShowMessageBox(kind, text);
}

MessagePresenter SetMessagePresenter(MessagePresenter presenter)
{
    return std::exchange(CurrentPresenter(), std::move(presenter));
}

QString MessageBoxText(const QString& text)
{
    // A word joiner after such a comma forbids the break; it is not drawn.
    QString shown = text;
    for (qsizetype i = shown.size() - 2; i > 0; --i)
        if (shown[i] == QLatin1Char(',') && !shown[i - 1].isSpace() && !shown[i + 1].isSpace())
            shown.insert(i + 1, QChar(0x2060));
    return shown;
}

Msg::FixedText::operator QString() const
{
    return QCoreApplication::translate("Messages", english_);
}

QString Msg::PortInvalid(int port)
{
    //: %1: the port's number, 1 to 10 ("COM3 is invalid.").
    return QCoreApplication::translate("Messages", "COM%1 is invalid.\nPlease check comport status.")
        .arg(port);
}
