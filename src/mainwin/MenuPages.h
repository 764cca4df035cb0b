// The "Menu 1" and "Menu 2" pages of the main window: one control per radio
// menu setting. Every operator change is one undoable step of the document;
// RefreshFromImage sets every control from the image, RefreshSetting the
// controls of one setting (after an undo, say).
#pragma once

#include "mainwin/MenuPagesWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QSlider>

#include <array>
#include <functional>
#include <string>
#include <vector>

class Document;

// A caption as a screen reader says it: without its access key, whether
// marked in the word ("&Power") or in brackets after it ("電源(&P)").
QString WithoutAccessKey(const QString& caption);

class MenuPages : public QObject
{
    Q_OBJECT

  public:
    // Builds the controls on the two page widgets that the main window owns.
    MenuPages(QWidget* menuPage1, QWidget* menuPage2, Document& document);
    ~MenuPages() override;

    // Sets every control from the image's menu settings, shows the 1.2 GHz
    // power groups whose settings are present, and cleans a power-on message
    // that holds characters outside the market's set (without a step: the
    // load that brought it decides the data changed flag).
    void RefreshFromImage();
    void RefreshSetting(int setting);
    // Visibility and captions of the narrow-FM boxes for the image's market
    // letter and model; called when the grids are laid out for a version.
    void ApplyVersion();

    // The remembered lead byte of a double-byte character typed into the
    // power-on message (market J).
    bool DoubleByteLeadPending = false;

    // "Menu 1" page.
    QGroupBox* GroupBox_Band;
    RadioGroup* RadioGroup_Band;
    QGroupBox* GroupBox_Bal;
    QSlider* TrackBer_Bal;
    QLabel* Label_BalA;
    QLabel* Label_BalB;
    QLabel* Label_BalCenter;
    QGroupBox* GroupBox_Function;
    QCheckBox* CheckBox_Dual;
    QCheckBox* CheckBox_Att;
    QCheckBox* CheckBox_Lock;
    QCheckBox* CheckBox_Lamp;
    QCheckBox* CheckBox_MName;
    QGroupBox* GroupBox_Power;
    QLabel* Label_Save;
    QComboBox* ComboBox_Save;
    QLabel* Label_Apo;
    QComboBox* ComboBox_Apo;
    QGroupBox* GroupBox_Display;
    QLabel* Label_Pom;
    QLineEdit* Edit_Pom;
    QLabel* Label_Contrast;
    QComboBox* ComboBox_Contrast;
    RadioGroup* RadioGroup_Language;
    QGroupBox* GroupBox_Dtmf;
    QLabel* Label_DtmfPause;
    QComboBox* ComboBox_DtmfPause;
    RadioGroup* RadioGroup_DtmfSpeed;
    QCheckBox* CheckBox_DtmfHold;
    QCheckBox* CheckBox_DtmfLock;
    QGroupBox* GroupBox_Vox;
    QLabel* Label_VoxGain;
    QComboBox* ComboBox_VoxGain;
    QLabel* Label_VoxDeley;
    QComboBox* ComboBox_VoxDeley;
    QCheckBox* CheckBox_VoxOnBusy;

    // "Menu 2" page.
    QGroupBox* GroupBox_RxTx;
    QCheckBox* CheckBox_TxInhibit;
    QCheckBox* CheckBox_BeatShift;
    QCheckBox* CheckBox_BarAntenna;
    RadioGroup* RadioGroup_APower;
    RadioGroup* RadioGroup_BPower;
    RadioGroup* RadioGroup_AGPower;
    RadioGroup* RadioGroup_BGPower;
    QGroupBox* GroupBox_Narrow;
    QCheckBox* CheckBox_Nar144;
    QCheckBox* CheckBox_Nar220;
    QCheckBox* CheckBox_Nar440;
    QCheckBox* CheckBox_Nar1200;
    QCheckBox* CheckBox_NarHf;
    QGroupBox* GroupBox_Repeater;
    QCheckBox* CheckBox_ARO;
    QCheckBox* CheckBox_t1750Hold;
    RadioGroup* RadioGroup_CallKey;
    QGroupBox* GroupBox_Other;
    QCheckBox* CheckBox_KeyBeep;
    QCheckBox* CheckBox_TuneEnable;
    RadioGroup* RadioGroup_PacketSpeed;
    RadioGroup* RadioGroup_ScanResume;
    RadioGroup* RadioGroup_MemoryMethod;
    QGroupBox* GroupBox_GroupLink;
    QCheckBox* CheckBox_0;
    QCheckBox* CheckBox_1;
    QCheckBox* CheckBox_2;
    QCheckBox* CheckBox_3;
    QCheckBox* CheckBox_4;
    QCheckBox* CheckBox_5;
    QCheckBox* CheckBox_6;
    QCheckBox* CheckBox_7;
    RadioGroup* RadioGroup_Battery;

    // CheckBox_0 .. CheckBox_7 by group number.
    std::array<QCheckBox*, 8> GroupLinkBoxes() const;

    // Change handlers of the power-on message field: the key filter (true
    // when the key is to be dropped) and the text check on every change.
    bool Edit_PomKeyPress(const QString& typed);
    void Edit_PomChange();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Kind { Check, InvertedCheck, Radio, Combo, Contrast, Track, GroupLink };
    struct Binding
    {
        Kind kind;
        QWidget* control;
        int setting;
    };

    void BuildMenu1(QWidget* page);
    void BuildMenu2(QWidget* page);
    void Bind(Kind kind, QWidget* control, int setting);
    // Writes the control's value into the image (operator changes only).
    void ControlChanged(const Binding& binding);
    void SetControl(const Binding& binding);
    void StoreSetting(int setting, const std::string& value);
    char Market() const;
    void ReportInvalidCharacter();

    Document& document_;
    std::vector<Binding> bindings_;
    bool refreshing_ = false;
};
