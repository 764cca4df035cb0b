// The "DTMF Memory" dialog: edits the ten DTMF memories, one at a time.
#pragma once

#include "editors/ChannelEditorDialog.h"

class QComboBox;
class QLabel;
class DtmfCodeEdit;
class NameEdit;

class DtmfEditor : public ChannelEditorDialog
{
    Q_OBJECT

  public:
    // Opens on DTMF memory 0..9 (clamped) of the document.
    DtmfEditor(Document& document, int slot, QWidget* parent = nullptr);

    void LoadChannelControls();
    // Stores the slot's record; storing never fails.
    bool StoreChannelControls() override;
    void ComboBox_ChannelClick(int position);

    QLabel* Label_Channel;
    QComboBox* ComboBox_Channel;
    QLabel* Label_Code;
    DtmfCodeEdit* Edit_Code;
    QLabel* Label_Name;
    NameEdit* Edit_Name;

  protected:
    void StepBy(int delta) override;
    void FormShow() override;
};
