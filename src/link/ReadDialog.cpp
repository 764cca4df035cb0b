// The Read dialog and what it shares with the Write dialog. A transfer that
// does not finish says what it leaves behind after its failure message (or
// alone, when cancelled): nothing changed by a read, part of the data in
// the radio after a write. The transfer's end is handled through the event
// loop, so that a transfer that ends while the dialog is still being shown
// (a port that will not open) closes a dialog whose modal loop is running.
#include "link/ReadDialog.h"

#include "ui/Messages.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TransferDialog::TransferDialog(const QString& caption, const QString& label, const QString& finished,
                               int portNumber, QWidget* parent)
    : QDialog(parent), finished_(finished), portNumber_(portNumber)
{
    setWindowTitle(caption);
    setModal(true);
    // Fixed border, no system buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    messageLabel_ = new QLabel(label, this);
    progressBar_ = new QProgressBar(this);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    //: The progress bar's name for screen readers; %1: the window title ("Read", "Write", "Verify").
    progressBar_->setAccessibleName(tr("%1 progress").arg(caption));
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    // The only button: Enter and Escape both cancel, as a click does.
    cancelButton_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(messageLabel_);
    layout->addWidget(progressBar_);
    layout->addWidget(cancelButton_, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    progressBar_->setMinimumWidth(280);

    ConfigureTransferPort(port_);
    connect(cancelButton_, &QPushButton::clicked, this, &TransferDialog::CancelTransfer);
    connect(&runner_, &TransferRunner::ProgressChanged, this, &TransferDialog::ProgressChanged);
    connect(&runner_, &TransferRunner::Finished, this, &TransferDialog::TransferFinished,
            Qt::QueuedConnection);
}

TransferDialog::~TransferDialog() = default;

void TransferDialog::showEvent(QShowEvent* event)
{
    CentreOnOwner(this);
    QDialog::showEvent(event);
    if (!started_) FormShow();
}

void TransferDialog::FormShow()
{
    if (started_) return;
    started_ = true;
    progressBar_->setValue(0);
    const int port = portNumber_ >= 1 && portNumber_ <= 10 ? portNumber_ : 1;
    port_.SetCommPort(static_cast<ComPort>(port - 1));
    StartTransfer();
}

void TransferDialog::CancelTransfer()
{
    runner_.Cancel();
}

void TransferDialog::ProgressChanged(int position, int maximum)
{
    if (maximum > 0 && progressBar_->maximum() != maximum) progressBar_->setMaximum(maximum);
    // The position runs past the maximum at the end; the bar then stays full.
    progressBar_->setValue(std::clamp(position, 0, progressBar_->maximum()));
}

void TransferDialog::TransferFinished(TransferOutcome outcome)
{
    if (ending_) return;
    ending_ = true;
    const QString failure = runner_.FailureMessage();
    const QString note = runner_.EndNote();
    QString message = failure;
    if (!note.isEmpty()) message += (message.isEmpty() ? QString() : QStringLiteral("\n\n")) + note;
    // A read that finished names the records that came back incomplete.
    if (message.isEmpty()) message = runner_.CompletionNote();
    ShowResult(outcome);
    if (!message.isEmpty()) {
        setEnabled(false);
        // A cancelled transfer has no failure, only what it leaves behind.
        const MessageKind kind = failure.isEmpty()                             ? MessageKind::Information
                                 : outcome == TransferOutcome::PortUnavailable ? MessageKind::Warning
                                                                               : MessageKind::Error;
        ShowMessage(kind, message);
        setEnabled(true);
    }
    done(outcome == TransferOutcome::Completed ? QDialog::Accepted : QDialog::Rejected);
    hide();
}

void TransferDialog::ShowResult(TransferOutcome outcome)
{
    // Short: the message box after it says the rest.
    messageLabel_->setText(outcome == TransferOutcome::Completed ? finished_
                           //: The progress window's label once Cancel has ended the transfer.
                           : outcome == TransferOutcome::Cancelled ? tr("Cancelled.")
                                                                   : tr("The transfer stopped."));
}

void TransferDialog::closeEvent(QCloseEvent* event)
{
    if (runner_.Running()) {
        event->ignore();
        runner_.Cancel();
        return;
    }
    QDialog::closeEvent(event);
}

void TransferDialog::reject()
{
    if (runner_.Running()) {
        runner_.Cancel();
        return;
    }
    QDialog::reject();
}

ReadDialog::ReadDialog(RadioImage& image, LinkScope scope, int portNumber, QWidget* parent)
    //: The window title of the read's progress window.
    : TransferDialog(tr("Read"), tr("Reading data from the Radio."), tr("The read has finished."), portNumber,
                     parent),
      image_(image), scope_(scope)
{
}

void ReadDialog::StartTransfer()
{
    runner_.StartRead(image_, scope_);
}
