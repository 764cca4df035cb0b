// The "VFO" dialog: edits the VFO record of one band and, on the A band, its
// program VFO range; switches between the bands without closing.
#pragma once

#include "editors/ChannelEditorDialog.h"
#include "rules/VfoRules.h"

#include <optional>
#include <string>

class QGroupBox;
class ChannelPanel;
class FrequencyEdit;

class VfoEditor : public ChannelEditorDialog
{
    Q_OBJECT

  public:
    // Opens on the VFO of band code 0..14 (the first of the version's list
    // when the version has no such band).
    VfoEditor(Document& document, int band, QWidget* parent = nullptr);

    int Band() const { return slot_; }

    void LoadChannelControls();
    bool StoreChannelControls() override;
    void AcceptEntries();
    // Empty or short program VFO boxes take the band limit.
    void FillProgramVfoDefaults();

    ChannelPanel* Panel;
    QGroupBox* GroupBox_ProgramVfo;
    FrequencyEdit* Edit_ProgramVfoLower;
    FrequencyEdit* Edit_ProgramVfoUpper;

  protected:
    void LoadBand() override { LoadChannelControls(); }
    void FormShow() override;

  private:
    void ProgramVfoChanged(ProgramVfoBox box);
    ProgramVfoBoxes Boxes() const;
    void ShowBoxes(const ProgramVfoBoxes& boxes);
    // The program VFO record of the boxes (empty ones take the band limit).
    std::string ProgramVfoRecord();

    bool boxesBusy_ = false;
};
