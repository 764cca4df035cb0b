// The Read and Write dialogs: a label, a progress bar and Cancel in front of
// one transfer. TTransferForm holds what both have (the serial component
// KComm1, the runner with the three timers, the closing rules); TReadForm
// reads the radio into the image, which changes only when the whole read
// has finished.
#pragma once

#include "link/CommandSet.h"
#include "link/Kcomm.h"
#include "link/TransferRunner.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class RadioImage;

class TTransferForm : public QDialog
{
    Q_OBJECT

  public:
    // portNumber: 1..10 select Com1..Com10, anything else Com1.
    TTransferForm(const QString& caption, const QString& label, int portNumber, QWidget* parent);
    ~TTransferForm() override;

    QLabel* Label1;
    QProgressBar* ProgressBar1;
    QPushButton* Button1; // "Cancel"
    TKComm KComm1;
    TTransferRunner Runner{KComm1};

    TransferOutcome Outcome() const { return Runner.Outcome(); }
    // Called by the first showing; public for tests.
    void FormShow();
    void Button1Click();
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

    int portNumber_;
    bool started_ = false;
    bool ending_ = false;
};

class TReadForm : public TTransferForm
{
    Q_OBJECT

  public:
    TReadForm(RadioImage& image, LinkScope scope, int portNumber, QWidget* parent = nullptr);

  protected:
    void StartTransfer() override;

  private:
    RadioImage& image_;
    LinkScope scope_;
};
