// The Read and Write dialogs: a label, a progress bar and Cancel in front of
// one transfer. TransferDialog holds what both have (the serial component
// port_, the runner with the three timers, the closing rules); ReadDialog
// reads the radio into the image, which changes only when the whole read
// has finished.
#pragma once

#include "link/CommandSet.h"
#include "link/RadioPort.h"
#include "link/TransferRunner.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class RadioImage;

class TransferDialog : public QDialog
{
    Q_OBJECT

  public:
    // portNumber: 1..10 select Com1..Com10, anything else Com1. The label
    // says `finished` when the transfer has completed.
    TransferDialog(const QString& caption, const QString& label, const QString& finished, int portNumber,
                   QWidget* parent);
    ~TransferDialog() override;

    QLabel* messageLabel_;
    QProgressBar* progressBar_;
    QPushButton* cancelButton_; // "Cancel", the default and Escape button
    RadioPort port_;
    TransferRunner runner_{port_};

    TransferOutcome Outcome() const { return runner_.Outcome(); }
    // Called by the first showing; public for tests.
    void FormShow();
    void CancelTransfer();
    // Escape does what Cancel does; the dialog closes only when the
    // transfer has ended.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Starts the transfer on the opened port.
    virtual void StartTransfer() = 0;

  private:
    void ProgressChanged(int position, int maximum);
    void TransferFinished(TransferOutcome outcome);

    // The label says how the transfer ended, and a screen reader with it.
    void ShowResult(TransferOutcome outcome);

    QString finished_;
    int portNumber_;
    bool started_ = false;
    bool ending_ = false;
};

class ReadDialog : public TransferDialog
{
    Q_OBJECT

  public:
    ReadDialog(RadioImage& image, LinkScope scope, int portNumber, QWidget* parent = nullptr);

  protected:
    void StartTransfer() override;

  private:
    RadioImage& image_;
    LinkScope scope_;
};
