// The "VFO" dialog: edits the VFO record of one band and, on the A band, its
// program VFO range; switches between the bands without closing.
#pragma once

#include "editors/VfoRules.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class ChannelPanel;
class FrequencyEdit;
class MainWindow;

class VfoEditor : public QDialog
{
    Q_OBJECT

  public:
    explicit VfoEditor(MainWindow& form);

    int Band() const { return band_; }
    bool PendingChanges() const { return pending_; }

    void LoadChannelControls();
    bool StoreChannelControls();
    void AcceptEntries();
    // Empty or short program VFO boxes take the band limit.
    void FillProgramVfoDefaults();
    // Choosing a band list position (mouse, Page Up / Page Down).
    void ComboBox_BandClick(int position);
    void OkButtonClick();

    QLabel* Label_Band;
    QComboBox* ComboBox_Band;
    ChannelPanel* Panel;
    QGroupBox* GroupBox_ProgramVfo;
    FrequencyEdit* Edit_ProgramVfoLower;
    FrequencyEdit* Edit_ProgramVfoUpper;
    QPushButton* Button_Ok;
    QPushButton* Button_Close;

  public slots:
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void ProgramVfoChanged(ProgramVfoBox box);
    ProgramVfoBoxes Boxes() const;
    void ShowBoxes(const ProgramVfoBoxes& boxes);
    // Stores the program VFO record of the boxes; true when it changed the image.
    bool StoreProgramVfo();
    void MarkChanged();

    MainWindow& form_;
    int band_ = 0;
    int position_ = 0;
    bool pending_ = false;
    bool loading_ = false;
    bool boxesBusy_ = false;
    bool shown_ = false;
};
