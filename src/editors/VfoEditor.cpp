// The "VFO" dialog.
#include "editors/VfoEditor.h"

#include "editors/EditorWidgets.h"
#include "mainwin/MainWindow.h"
#include "model/FieldTexts.h"
#include "ui/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

VfoEditor::VfoEditor(MainWindow& form) : QDialog(&form), form_(form)
{
    setWindowTitle(QStringLiteral("VFO"));
    auto* layout = new QGridLayout(this);

    Label_Band = new QLabel(QStringLiteral("Band"), this);
    ComboBox_Band = new QComboBox(this);
    Label_Band->setBuddy(ComboBox_Band);
    layout->addWidget(Label_Band, 0, 0);
    layout->addWidget(ComboBox_Band, 0, 1);

    Panel = new ChannelPanel(false, 10, this);
    layout->addWidget(Panel, 1, 0, 1, 3);

    GroupBox_ProgramVfo = new QGroupBox(QStringLiteral("Program VFO"), this);
    auto* range = new QHBoxLayout(GroupBox_ProgramVfo);
    Edit_ProgramVfoLower = new FrequencyEdit(4, false, GroupBox_ProgramVfo);
    Edit_ProgramVfoUpper = new FrequencyEdit(4, false, GroupBox_ProgramVfo);
    range->addWidget(Edit_ProgramVfoLower);
    range->addWidget(new QLabel(QStringLiteral("-"), GroupBox_ProgramVfo));
    range->addWidget(Edit_ProgramVfoUpper);
    range->addWidget(new QLabel(QStringLiteral("MHz"), GroupBox_ProgramVfo));
    layout->addWidget(GroupBox_ProgramVfo, 2, 0, 1, 3);

    Button_Ok = new QPushButton(QStringLiteral("&OK"), this);
    Button_Close = new QPushButton(QStringLiteral("&Close"), this);
    Button_Ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_Ok);
    buttons->addWidget(Button_Close);
    layout->addLayout(buttons, 3, 0, 1, 3);

    connect(ComboBox_Band, &QComboBox::activated, this, &VfoEditor::ComboBox_BandClick);
    ComboBox_Band->installEventFilter(this);
    connect(Panel, &ChannelPanel::Changed, this, &VfoEditor::MarkChanged);
    connect(Panel, &ChannelPanel::EnterPressed, this, &VfoEditor::AcceptEntries);
    connect(Edit_ProgramVfoLower, &QLineEdit::textChanged, this,
            [this]() { ProgramVfoChanged(ProgramVfoBox::Lower); });
    connect(Edit_ProgramVfoUpper, &QLineEdit::textChanged, this,
            [this]() { ProgramVfoChanged(ProgramVfoBox::Upper); });
    connect(Button_Ok, &QPushButton::clicked, this, &VfoEditor::OkButtonClick);
    connect(Button_Close, &QPushButton::clicked, this, &QDialog::reject);

    AssignPanelHelpContexts(*Panel);
    MainWindow::SetHelpContext(ComboBox_Band, 600);
    MainWindow::SetHelpContext(Edit_ProgramVfoLower, 605);
    MainWindow::SetHelpContext(Edit_ProgramVfoUpper, 605);
    InstallEditorHelpKey(*this, form_);
}

void VfoEditor::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void VfoEditor::FormShow()
{
    const RadioImage& image = form_.Image();
    for (const std::string& name : VfoBandList(image.MarketLetter(), image.Model()))
        ComboBox_Band->addItem(QString::fromStdString(name));
    const int row = std::max(form_.SelectedRow(GridId::Vfo), 1);
    band_ = form_.VfoBandOfRow(row);
    position_ = std::clamp(row - 1, 0, ComboBox_Band->count() - 1);
    ComboBox_Band->setCurrentIndex(position_);
    Panel->Edit_Rx->setFocus();
    LoadChannelControls();
}

void VfoEditor::LoadChannelControls()
{
    loading_ = true;
    const ChannelControls c = LoadVfoControls(form_.Image(), band_, Panel->Read());
    Panel->Write(c);
    const bool hasRange = HasProgramVfo(band_);
    GroupBox_ProgramVfo->setVisible(hasRange);
    if (hasRange) {
        const RadioImage& image = form_.Image();
        // Writing each box runs its change rule, as typing would.
        Edit_ProgramVfoLower->setText(QString::fromStdString(
            ProgramVfoBoxText(image.RecordFieldView(RecordKind::ProgramVfo, band_, 1))));
        Edit_ProgramVfoUpper->setText(QString::fromStdString(
            ProgramVfoBoxText(image.RecordFieldView(RecordKind::ProgramVfo, band_, 2))));
    }
    Panel->UpdateToneControls();
    loading_ = false;
    pending_ = false;
}

ProgramVfoBoxes VfoEditor::Boxes() const
{
    return {Edit_ProgramVfoLower->text().toStdString(), Edit_ProgramVfoUpper->text().toStdString()};
}

void VfoEditor::ShowBoxes(const ProgramVfoBoxes& boxes)
{
    boxesBusy_ = true;
    if (Edit_ProgramVfoLower->text().toStdString() != boxes.lower)
        Edit_ProgramVfoLower->setText(QString::fromStdString(boxes.lower));
    if (Edit_ProgramVfoUpper->text().toStdString() != boxes.upper)
        Edit_ProgramVfoUpper->setText(QString::fromStdString(boxes.upper));
    boxesBusy_ = false;
}

void VfoEditor::ProgramVfoChanged(ProgramVfoBox box)
{
    if (boxesBusy_ || !HasProgramVfo(band_)) return;
    ProgramVfoBoxes boxes = Boxes();
    const bool edited = ApplyProgramVfoChange(boxes, box, band_, ProgramVfoBoundsOf(form_.Image(), band_));
    ShowBoxes(boxes);
    if (edited) MarkChanged();
}

void VfoEditor::FillProgramVfoDefaults()
{
    ProgramVfoBoxes boxes = Boxes();
    ::FillProgramVfoDefaults(boxes, band_, ProgramVfoBoundsOf(form_.Image(), band_));
    ShowBoxes(boxes);
}

bool VfoEditor::StoreProgramVfo()
{
    FillProgramVfoDefaults();
    RadioImage& image = form_.Image();
    const std::string record = BuildProgramVfoRecord(band_, Boxes(), ProgramVfoBoundsOf(image, band_));
    const bool changed = record != image.GetProgramVfoRecord(band_);
    image.SetProgramVfoRecord(band_, record);
    return changed;
}

bool VfoEditor::StoreChannelControls()
{
    form_.SetDataChanged(true);
    // The range goes in first: the frequency check reads it from the image,
    // and it stays stored even when the frequency is refused.
    if (HasProgramVfo(band_)) StoreProgramVfo();
    const BuiltRecord built = BuildVfoRecord(form_.Image(), band_, Panel->Read());
    if (built.error != EntryError::None) {
        ShowEntryError(built.error);
        return false;
    }
    Panel->SetStep(built.step);
    Panel->SetMode(built.mode);
    form_.Image().SetVfoRecord(band_, built.record);
    form_.RefreshAllViews();
    LoadChannelControls();
    if (built.rounded) ShowMessage(MessageKind::Information, Msg::FrequencyRounded);
    return true;
}

void VfoEditor::AcceptEntries()
{
    // A range that Enter changes in the image is an unsaved change of the
    // data like any other, so the data changed flag follows it.
    if (HasProgramVfo(band_) && StoreProgramVfo()) form_.SetDataChanged(true);
    const AcceptedEntries a = AcceptVfoEntries(form_.Image(), band_, Panel->Read());
    if (a.error != EntryError::None) {
        ShowEntryError(a.error);
        return;
    }
    Panel->ApplyAccepted(a, true);
}

void VfoEditor::ComboBox_BandClick(int position)
{
    if (position == position_) return;
    if (pending_) {
        if (ShowMessage(MessageKind::Question, Msg::ContentsChanged) == MessageButton::Yes &&
            !StoreChannelControls()) {
            // Refused: back to the band being edited, whose edits are still
            // unsaved, so the flag stays and the next switch asks again.
            ComboBox_Band->setCurrentIndex(position_);
            return;
        }
        pending_ = false;
    }
    position_ = position;
    ComboBox_Band->setCurrentIndex(position);
    band_ = BandOfVfoLabel(ComboBox_Band->itemText(position).toStdString());
    LoadChannelControls();
}

void VfoEditor::OkButtonClick()
{
    if (StoreChannelControls()) accept();
}

void VfoEditor::done(int result)
{
    if (pending_) {
        if (ShowMessage(MessageKind::Question, Msg::ContentsChangedOnClose) == MessageButton::Yes)
            StoreChannelControls();
        pending_ = false;
    }
    QDialog::done(result);
}

bool VfoEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ComboBox_Band && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int count = ComboBox_Band->count();
        if ((key == Qt::Key_PageUp || key == Qt::Key_PageDown) && count > 0) {
            ComboBox_BandClick(StepSlot(position_, key == Qt::Key_PageUp ? 1 : -1, count));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void VfoEditor::MarkChanged()
{
    if (!loading_) pending_ = true;
}
