// Controls the channel editors share: the frequency and offset boxes with
// their key filter, the name and DTMF code boxes, and the panel of frequency,
// step, mode, shift, offset and tone controls that the memory, VFO and CALL
// editors all show.
#pragma once

#include "rules/ChannelRules.h"

#include <QLineEdit>
#include <QWidget>

#include <optional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QRadioButton;

// Frequency, offset and program VFO boxes: digits, the decimal point and
// Backspace go into the box, every other character is dropped. Enter never
// reaches the dialog's default button when the box runs the editor's entry
// check; in a box that does not, it does.
class FrequencyEdit : public QLineEdit
{
    Q_OBJECT

  public:
    FrequencyEdit(int maxLength, bool enterAccepts, QWidget* parent = nullptr);

  signals:
    void EnterPressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool enterAccepts_;
};

// Channel names of the memory and DTMF editors: only characters of the
// market's set that a radio name may use; Escape is swallowed here.
class NameEdit : public QLineEdit
{
    Q_OBJECT

  public:
    explicit NameEdit(QWidget* parent = nullptr);
    // The market decides the character set and the font.
    void SetMarket(char market);
    // Forgets a pending double-byte lead (done when the dialog is shown).
    void ClearLead() { leadByte_ = false; }

    // The name as the radio's bytes. A name shown unchanged from the record
    // keeps the record's bytes, even those the set cannot show.
    std::string NameBytes() const;
    void SetNameBytes(const std::string& bytes);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CheckEditedText(const QString& text);

    char market_ = 'K';
    bool leadByte_ = false;
    std::string loadedBytes_;
    QString loadedText_;
};

// DTMF codes: digits, A to D, '*', '#' and the space; letters become
// uppercase; Escape is swallowed. A paste is filtered the same way, without
// a message.
class DtmfCodeEdit : public QLineEdit
{
    Q_OBJECT

  public:
    explicit DtmfCodeEdit(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Font of the name boxes by market: the Japanese proportional Mincho for
// market J, Times New Roman otherwise.
QFont NameFont(char market);

// The frequency, step, mode, shift, offset and tone controls of one channel.
class ChannelPanel : public QWidget
{
    Q_OBJECT

  public:
    // withSplit: the memory and CALL editors' Split Channel with its transmit box.
    ChannelPanel(bool withSplit, int frequencyLength, QWidget* parent = nullptr);

    // The controls' values (name and lock-out are the dialogs' own).
    ChannelControls Read() const;
    // Fills every control; changes made here are no edits.
    void Write(const ChannelControls& controls);
    // After Enter: the boxes and lists the entry check rewrote.
    void ApplyAccepted(const AcceptedEntries& accepted, bool showRoundedMessage);

    // Shows the special minus offset option with this caption, or hides it.
    void SetSpecialCaption(const std::optional<std::string>& caption);
    void SetStep(int step);
    void SetMode(int mode);
    void SelectShift(ShiftChoice shift);
    ShiftChoice SelectedShift() const;
    // The tone controls work in FM only; their values stay when disabled.
    void UpdateToneControls();
    // After the message of a refused entry: the box it was about takes the
    // focus and says the message to a screen reader until it is edited.
    void MarkRefused(EntryError error, const QString& message);

    QLabel* Label_Rx;
    FrequencyEdit* Edit_Rx;
    QLabel* Label_RxMHz;
    QLabel* Label_Tx;
    FrequencyEdit* Edit_Tx;
    QLabel* Label_TxMHz;
    QLabel* Label_Step;
    QComboBox* ComboBox_Step;
    QLabel* Label_Mode;
    QComboBox* ComboBox_Mode;
    QRadioButton* RadioButton_Split;
    QRadioButton* RadioButton_Simplex;
    QRadioButton* RadioButton_Plus;
    QRadioButton* RadioButton_Minus;
    QRadioButton* RadioButton_Special;
    QLabel* Label_Offset;
    FrequencyEdit* Edit_Offset;
    QLabel* Label_OffsetMHz;
    QCheckBox* CheckBox_Reverse;
    QCheckBox* CheckBox_Tone;
    QCheckBox* CheckBox_Ctcss;
    QCheckBox* CheckBox_Dcs;
    QLabel* Label_ToneFrequency;
    QComboBox* ComboBox_Tone;
    QLabel* Label_CtcssFrequency;
    QComboBox* ComboBox_Ctcss;
    QLabel* Label_DcsCode;
    QComboBox* ComboBox_Dcs;

  signals:
    // An edit of any control (not a fill by Write).
    void Changed();
    // Enter in the receive, transmit or offset box.
    void EnterPressed();

  private:
    void ShiftClicked();
    void ApplyShiftLayout();
    void ToneClicked(QCheckBox* box, bool checked);
    void Edited();

    bool withSplit_;
    bool filling_ = false;
    // The special option's caption as the rules gave it.
    std::string specialCaption_ = "-7.6MHz Shift";
    QButtonGroup* shiftGroup_;
};

// Shows "Invalid Frequency." / "Invalid Offset." for an entry error, then
// marks the refused box of the panel.
void ShowEntryError(EntryError error, ChannelPanel& panel);
// Sets context help numbers on the panel's controls.
void AssignPanelHelpContexts(ChannelPanel& panel);
// F1 in a modal editor opens the focused control's help topic.
void InstallEditorHelpKey(QDialog& dialog);
