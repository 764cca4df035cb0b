// The one message box of the program and its replaceable presenter.
#include "ui/Messages.h"

#include <QApplication>
#include <QMessageBox>

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
    }
    QMessageBox box(icon, Msg::ApplicationTitle, text, buttons, QApplication::activeWindow());
    if (buttons & QMessageBox::Cancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons & QMessageBox::No)
        box.setEscapeButton(QMessageBox::No);
    box.setDefaultButton(buttons & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok);
    switch (box.exec()) {
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

QString Msg::PortInvalid(int port)
{
    return QStringLiteral("COM%1 is invalid.\nPlease check comport status.").arg(port);
}
