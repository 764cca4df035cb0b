// The "Memory Channel" dialog: edits one memory slot of the radio image at a
// time and walks through all 432 slots without closing.
#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class ChannelPanel;
class MainWindow;
class NameEdit;

class MemoryEditor : public QDialog
{
    Q_OBJECT

  public:
    explicit MemoryEditor(MainWindow& form);

    int Slot() const { return slot_; }
    bool PendingChanges() const { return pending_; }

    // Fills every control from the slot's record.
    void LoadChannelControls(int slot);
    // Validates, builds and stores the record; true on success.
    bool StoreChannelControls();
    // Enter in the receive, transmit or offset box.
    void AcceptEntries();
    void UpdateToneControls();

    // The up/down spinner: +1 up, -1 down, wrapping.
    void StepChannel(int delta);
    void OkButtonClick();

    QLabel* Label_Channel;
    QLineEdit* Edit_Channel;
    QToolButton* channelUpButton_;
    QToolButton* channelDownButton_;
    ChannelPanel* Panel;
    QLabel* Label_Name;
    NameEdit* Edit_Name;
    QCheckBox* CheckBox_Lockout;
    QPushButton* Button_Ok;
    QPushButton* Button_Close;

  public slots:
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void ChannelTextEdited(const QString& text);
    // A typed channel number; false when pending changes could not be stored.
    bool HandleTypedNumber(const QString& text);
    // The pending-changes prompt before the slot changes; false to stay.
    bool ConfirmLeave();
    void SetChannelText(const QString& text);
    void MarkChanged();

    MainWindow& form_;
    int slot_ = 0;
    bool pending_ = false;
    bool loading_ = false;
    bool shown_ = false;
    QString lastValidNumber_;
};
