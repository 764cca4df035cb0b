// The "CALL Channel" dialog: edits the CALL channel of one A-band band and
// switches between the CALL slots without closing.
#pragma once

#include "editors/ChannelEditorDialog.h"

class QComboBox;
class QLabel;
class ChannelPanel;

class CallEditor : public ChannelEditorDialog
{
    Q_OBJECT

  public:
    // Opens on CALL slot 0..3 of the document (the first of the version's
    // list when the version has no such slot).
    CallEditor(Document& document, int slot, QWidget* parent = nullptr);

    void LoadChannelControls();
    bool StoreChannelControls() override;
    void AcceptEntries();
    // Choosing a band list position (mouse, Page Up / Page Down).
    void ComboBox_BandClick(int position);

    QLabel* Label_Band;
    QComboBox* ComboBox_Band;
    ChannelPanel* Panel;

  protected:
    void StepBy(int delta) override;
    void FormShow() override;

  private:
    int position_ = 0;
};
