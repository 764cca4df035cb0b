// The "VFO" dialog.
#include "editors/VfoEditor.h"

#include "document/Document.h"
#include "editors/EditorWidgets.h"
#include "model/FieldTexts.h"
#include "ui/HelpContext.h"
#include "ui/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

VfoEditor::VfoEditor(Document& document, int band, QWidget* parent)
    : ChannelEditorDialog(document, band, QStringLiteral("VFO"), parent)
{
    auto* layout = new QGridLayout(this);
    AddBandList(layout, &BandOfVfoLabel);

    Panel = new ChannelPanel(false, 10, this);
    layout->addWidget(Panel, 1, 0, 1, 3);

    GroupBox_ProgramVfo = new QGroupBox(tr("Program VFO"), this);
    auto* range = new QHBoxLayout(GroupBox_ProgramVfo);
    Edit_ProgramVfoLower = new FrequencyEdit(4, false, GroupBox_ProgramVfo);
    Edit_ProgramVfoUpper = new FrequencyEdit(4, false, GroupBox_ProgramVfo);
    range->addWidget(Edit_ProgramVfoLower);
    range->addWidget(new QLabel(QStringLiteral("-"), GroupBox_ProgramVfo));
    range->addWidget(Edit_ProgramVfoUpper);
    range->addWidget(new QLabel(QStringLiteral("MHz"), GroupBox_ProgramVfo));
    Edit_ProgramVfoLower->setAccessibleName(tr("Program VFO lower limit"));
    Edit_ProgramVfoUpper->setAccessibleName(tr("Program VFO upper limit"));
    for (QWidget* limit : {Edit_ProgramVfoLower, Edit_ProgramVfoUpper})
        limit->setAccessibleDescription(tr("In MHz: the VFO tunes only between the two limits"));
    layout->addWidget(GroupBox_ProgramVfo, 2, 0, 1, 3);

    layout->addLayout(ButtonRow(), 3, 0, 1, 3);

    connect(Panel, &ChannelPanel::Changed, this, &VfoEditor::MarkChanged);
    connect(Panel, &ChannelPanel::EnterPressed, this, &VfoEditor::AcceptEntries);
    connect(Edit_ProgramVfoLower, &QLineEdit::textChanged, this,
            [this]() { ProgramVfoChanged(ProgramVfoBox::Lower); });
    connect(Edit_ProgramVfoUpper, &QLineEdit::textChanged, this,
            [this]() { ProgramVfoChanged(ProgramVfoBox::Upper); });

    AssignPanelHelpContexts(*Panel);
    SetHelpContext(ComboBox_Band, 600);
    SetHelpContext(Edit_ProgramVfoLower, 605);
    SetHelpContext(Edit_ProgramVfoUpper, 605);
    InstallEditorHelpKey(*this);
}

void VfoEditor::FormShow()
{
    const RadioImage& image = document_.Image();
    ShowBands(VfoBandList(image.MarketLetter(), image.Model()));
    Panel->Edit_Rx->setFocus();
    LoadChannelControls();
}

void VfoEditor::LoadChannelControls()
{
    loading_ = true;
    const ChannelControls c = LoadVfoControls(document_.Image(), slot_, Panel->Read());
    Panel->Write(c);
    const bool hasRange = HasProgramVfo(slot_);
    GroupBox_ProgramVfo->setVisible(hasRange);
    if (hasRange) {
        const RadioImage& image = document_.Image();
        // Writing each box runs its change rule, as typing would.
        Edit_ProgramVfoLower->setText(QString::fromStdString(
            ProgramVfoBoxText(image.RecordFieldView(RecordKind::ProgramVfo, slot_, 1))));
        Edit_ProgramVfoUpper->setText(QString::fromStdString(
            ProgramVfoBoxText(image.RecordFieldView(RecordKind::ProgramVfo, slot_, 2))));
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
    if (boxesBusy_ || !HasProgramVfo(slot_)) return;
    ProgramVfoBoxes boxes = Boxes();
    const bool edited =
        ApplyProgramVfoChange(boxes, box, slot_, ProgramVfoBoundsOf(document_.Image(), slot_));
    ShowBoxes(boxes);
    if (edited) MarkChanged();
}

void VfoEditor::FillProgramVfoDefaults()
{
    ProgramVfoBoxes boxes = Boxes();
    ::FillProgramVfoDefaults(boxes, slot_, ProgramVfoBoundsOf(document_.Image(), slot_));
    ShowBoxes(boxes);
}

std::string VfoEditor::ProgramVfoRecord()
{
    FillProgramVfoDefaults();
    return BuildProgramVfoRecord(slot_, Boxes(), ProgramVfoBoundsOf(document_.Image(), slot_));
}

bool VfoEditor::StoreChannelControls()
{
    // The range goes in first: the frequency check reads it, and it stays
    // stored even when the frequency is refused.
    std::vector<SlotEdit> edits;
    RadioImage withRange = document_.Image();
    if (HasProgramVfo(slot_)) {
        edits.push_back({SlotKind::ProgramVfo, slot_, ProgramVfoRecord()});
        withRange.SetProgramVfoRecord(slot_, edits.back().bytes);
    }
    const BuiltRecord built = BuildVfoRecord(withRange, slot_, Panel->Read());
    if (built.error != EntryError::None) {
        if (!edits.empty() && edits.back().bytes != document_.Image().GetProgramVfoRecord(slot_))
            document_.StoreSlots(edits, document_.EditStepName(SlotKind::ProgramVfo, slot_));
        ShowEntryError(built.error, *Panel);
        return false;
    }
    Panel->SetStep(built.step);
    Panel->SetMode(built.mode);
    edits.push_back({SlotKind::Vfo, slot_, built.record});
    document_.StoreSlots(edits, document_.EditStepName(SlotKind::Vfo, slot_));
    LoadChannelControls();
    if (built.rounded) ShowMessage(MessageKind::Information, Msg::FrequencyRounded);
    return true;
}

void VfoEditor::AcceptEntries()
{
    // A range that Enter changes is an edit of the data like any other.
    if (HasProgramVfo(slot_)) {
        const std::string range = ProgramVfoRecord();
        if (range != document_.Image().GetProgramVfoRecord(slot_))
            document_.StoreRecord(SlotKind::ProgramVfo, slot_, range);
    }
    const AcceptedEntries a = AcceptVfoEntries(document_.Image(), slot_, Panel->Read());
    if (a.error != EntryError::None) {
        ShowEntryError(a.error, *Panel);
        return;
    }
    Panel->ApplyAccepted(a, true);
}
