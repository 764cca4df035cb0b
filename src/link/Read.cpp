// The Read dialog and what it shares with the Write dialog. A transfer that
// does not finish says what it leaves behind after its failure message (or
// alone, when cancelled): nothing changed by a read, part of the data in
// the radio after a write. The transfer's end is handled through the event
// loop, so that a transfer that ends while the dialog is still being shown
// (a port that will not open) closes a dialog whose modal loop is running.
#include "link/Read.h"

#include "mainwin/Messages.h"
#include "mainwin/WindowPlacement.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TTransferForm::TTransferForm(const QString& caption, const QString& label, int portNumber, QWidget* parent)
    : QDialog(parent), portNumber_(portNumber)
{
    setWindowTitle(caption);
    setModal(true);
    // Fixed border, no system buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    Label1 = new QLabel(label, this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Button1 = new QPushButton(QStringLiteral("Cancel"), this);
    Button1->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ProgressBar1->setMinimumWidth(280);

    ConfigureTransferPort(KComm1);
    connect(Button1, &QPushButton::clicked, this, &TTransferForm::Button1Click);
    connect(&Runner, &TTransferRunner::ProgressChanged, this, &TTransferForm::ProgressChanged);
    connect(&Runner, &TTransferRunner::Finished, this, &TTransferForm::TransferFinished,
            Qt::QueuedConnection);
}

TTransferForm::~TTransferForm() = default;

void TTransferForm::showEvent(QShowEvent* event)
{
    CentreOnOwner(this);
    QDialog::showEvent(event);
    if (!started_) FormShow();
}

void TTransferForm::FormShow()
{
    if (started_) return;
    started_ = true;
    ProgressBar1->setValue(0);
    const int port = portNumber_ >= 1 && portNumber_ <= 10 ? portNumber_ : 1;
    KComm1.SetCommPort(static_cast<TCommPort>(port - 1));
    StartTransfer();
}

void TTransferForm::Button1Click()
{
    Runner.Cancel();
}

void TTransferForm::ProgressChanged(int position, int maximum)
{
    if (maximum > 0 && ProgressBar1->maximum() != maximum) ProgressBar1->setMaximum(maximum);
    // The position runs past the maximum at the end; the bar then stays full.
    ProgressBar1->setValue(std::clamp(position, 0, ProgressBar1->maximum()));
}

void TTransferForm::TransferFinished(TransferOutcome outcome)
{
    if (ending_) return;
    ending_ = true;
    const QString failure = Runner.FailureMessage();
    const QString note = Runner.EndNote();
    QString message = failure;
    if (!note.isEmpty()) message += (message.isEmpty() ? QString() : QStringLiteral("\n\n")) + note;
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

void TTransferForm::closeEvent(QCloseEvent* event)
{
    if (Runner.Running()) {
        event->ignore();
        Runner.Cancel();
        return;
    }
    QDialog::closeEvent(event);
}

void TTransferForm::reject()
{
    if (Runner.Running()) {
        Runner.Cancel();
        return;
    }
    QDialog::reject();
}

TReadForm::TReadForm(RadioImage& image, LinkScope scope, int portNumber, QWidget* parent)
    : TTransferForm(QStringLiteral("Read"), QStringLiteral("Reading data from the Radio."), portNumber,
                    parent),
      image_(image), scope_(scope)
{
}

void TReadForm::StartTransfer()
{
    Runner.StartRead(image_, scope_);
}
