// The "CALL Channel" dialog: edits the CALL channel of one A-band band and
// switches between the CALL slots without closing.
#pragma once

#include "editors/ChannelEditorDialog.h"

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

    ChannelPanel* Panel;

  protected:
    void LoadBand() override { LoadChannelControls(); }
    void FormShow() override;
};
