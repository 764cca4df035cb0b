// The "VFO" dialog: edits the VFO record of one band and, on the A band, its
// program VFO range; switches between the bands without closing.
#pragma once

#include "editors/ChannelEditorDialog.h"
#include "rules/VfoRules.h"

#include <optional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
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
    // Choosing a band list position (mouse, Page Up / Page Down).
    void ComboBox_BandClick(int position);

    QLabel* Label_Band;
    QComboBox* ComboBox_Band;
    ChannelPanel* Panel;
    QGroupBox* GroupBox_ProgramVfo;
    FrequencyEdit* Edit_ProgramVfoLower;
    FrequencyEdit* Edit_ProgramVfoUpper;

  protected:
    void StepBy(int delta) override;
    void FormShow() override;

  private:
    void ProgramVfoChanged(ProgramVfoBox box);
    ProgramVfoBoxes Boxes() const;
    void ShowBoxes(const ProgramVfoBoxes& boxes);
    // The program VFO record of the boxes (empty ones take the band limit).
    std::string ProgramVfoRecord();

    int position_ = 0;
    bool boxesBusy_ = false;
};
