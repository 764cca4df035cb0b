// The "Memory Channel" dialog: edits one memory slot of the radio image at a
// time and walks through all 432 slots without closing.
#pragma once

#include "editors/ChannelEditorDialog.h"

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;
class ChannelPanel;
class NameEdit;

class MemoryEditor : public ChannelEditorDialog
{
    Q_OBJECT

  public:
    // Opens on memory slot 0..431 (clamped) of the document.
    MemoryEditor(Document& document, int slot, QWidget* parent = nullptr);

    // Fills every control from the slot's record.
    void LoadChannelControls(int slot);
    // Validates, builds and stores the record; true on success.
    bool StoreChannelControls() override;
    // Enter in the receive, transmit or offset box.
    void AcceptEntries();
    void UpdateToneControls();

    // The up/down spinner: +1 up, -1 down, wrapping.
    void StepChannel(int delta);

    QLabel* Label_Channel;
    QLineEdit* Edit_Channel;
    QToolButton* channelUpButton_;
    QToolButton* channelDownButton_;
    ChannelPanel* Panel;
    QLabel* Label_Name;
    NameEdit* Edit_Name;
    QCheckBox* CheckBox_Lockout;

  protected:
    // Up and Down step too, besides Page Up and Page Down.
    int StepOfKey(int key) const override;
    void StepBy(int delta) override;
    void FormShow() override;

  private:
    void ChannelTextEdited(const QString& text);
    // A typed channel number; false when pending changes could not be stored.
    bool HandleTypedNumber(const QString& text);
    void SetChannelText(const QString& text);

    QString lastValidNumber_;
};
