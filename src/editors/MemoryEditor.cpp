// The "Memory Channel" dialog.
#include "editors/MemoryEditor.h"

#include "document/Document.h"
#include "editors/EditorWidgets.h"
#include "model/Records.h"
#include "rules/ChannelRules.h"
#include "ui/HelpContext.h"
#include "ui/Messages.h"

#include <algorithm>

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

MemoryEditor::MemoryEditor(Document& document, int slot, QWidget* parent)
    : ChannelEditorDialog(document, std::clamp(slot, 0, MemoryCount - 1), tr("Memory Channel"), parent)
{
    auto* layout = new QGridLayout(this);

    Label_Channel = new QLabel(tr("Memory Channel Number"), this);
    Edit_Channel = new QLineEdit(this);
    Edit_Channel->setMaxLength(3);
    Label_Channel->setBuddy(Edit_Channel);
    channelUpButton_ = new QToolButton(this);
    channelUpButton_->setArrowType(Qt::UpArrow);
    channelDownButton_ = new QToolButton(this);
    channelDownButton_->setArrowType(Qt::DownArrow);
    channelUpButton_->setAccessibleName(tr("Next channel"));
    channelDownButton_->setAccessibleName(tr("Previous channel"));
    Edit_Channel->setAccessibleDescription(
        tr("0 to 399, or a label such as L0, U9, PR1 or I-1; Up and Down go to the next and previous "
           "channel"));
    auto* channelRow = new QHBoxLayout;
    channelRow->addWidget(Label_Channel);
    channelRow->addWidget(Edit_Channel);
    channelRow->addWidget(channelUpButton_);
    channelRow->addWidget(channelDownButton_);
    channelRow->addStretch();
    layout->addLayout(channelRow, 0, 0, 1, 3);

    Panel = new ChannelPanel(true, 11, this);
    layout->addWidget(Panel, 1, 0, 1, 3);

    Label_Name = new QLabel(tr("Memory Name"), this);
    Edit_Name = new NameEdit(this);
    Label_Name->setBuddy(Edit_Name);
    //: Skipped when the radio scans.
    CheckBox_Lockout = new QCheckBox(tr("Lock Out"), this);
    CheckBox_Lockout->setAccessibleDescription(tr("The radio skips this channel when it scans"));
    layout->addWidget(Label_Name, 2, 0);
    layout->addWidget(Edit_Name, 2, 1);
    layout->addWidget(CheckBox_Lockout, 2, 2);

    layout->addLayout(ButtonRow(), 3, 0, 1, 3);

    connect(Edit_Channel, &QLineEdit::textEdited, this, &MemoryEditor::ChannelTextEdited);
    StepWithKeysOf(Edit_Channel);
    connect(channelUpButton_, &QToolButton::clicked, this, [this]() { StepChannel(1); });
    connect(channelDownButton_, &QToolButton::clicked, this, [this]() { StepChannel(-1); });
    connect(Panel, &ChannelPanel::Changed, this, &MemoryEditor::MarkChanged);
    connect(Panel, &ChannelPanel::EnterPressed, this, &MemoryEditor::AcceptEntries);
    connect(Edit_Name, &QLineEdit::textChanged, this, &MemoryEditor::MarkChanged);
    connect(CheckBox_Lockout, &QCheckBox::toggled, this, &MemoryEditor::MarkChanged);

    AssignPanelHelpContexts(*Panel);
    SetHelpContext(Edit_Channel, 500);
    SetHelpContext(Edit_Name, 540);
    SetHelpContext(CheckBox_Lockout, 545);
    InstallEditorHelpKey(*this);
}

void MemoryEditor::FormShow()
{
    Edit_Name->SetMarket(document_.Image().MarketLetter());
    Panel->Edit_Rx->setFocus();
    LoadChannelControls(slot_);
    Edit_Name->ClearLead();
}

void MemoryEditor::LoadChannelControls(int slot)
{
    loading_ = true;
    slot_ = slot;
    const ChannelControls c = LoadMemoryControls(document_.Image(), slot);
    SetChannelText(QString::fromStdString(ChannelNumberText(slot)));
    lastValidNumber_ = Edit_Channel->text();
    Panel->Write(c);
    Edit_Name->SetNameBytes(c.name);
    CheckBox_Lockout->setChecked(c.lockout);
    CheckBox_Lockout->setEnabled(c.lockoutEnabled);
    UpdateToneControls();
    loading_ = false;
    pending_ = false;
}

bool MemoryEditor::StoreChannelControls()
{
    ChannelControls c = Panel->Read();
    c.name = Edit_Name->NameBytes();
    c.lockout = CheckBox_Lockout->isChecked();
    const BuiltRecord built = BuildMemoryRecord(document_.Image(), slot_, c);
    if (built.error != EntryError::None) {
        ShowEntryError(built.error, *Panel);
        return false;
    }
    Panel->SetStep(built.step);
    document_.StoreRecord(SlotKind::Memory, slot_, built.record);
    LoadChannelControls(slot_);
    if (built.rounded) ShowMessage(MessageKind::Information, Msg::FrequencyRounded);
    return true;
}

void MemoryEditor::AcceptEntries()
{
    const AcceptedEntries a = AcceptMemoryEntries(document_.Image(), Panel->Read());
    if (a.error != EntryError::None) {
        ShowEntryError(a.error, *Panel);
        return;
    }
    Panel->SetSpecialCaption(a.special);
    Panel->ApplyAccepted(a, true);
}

void MemoryEditor::UpdateToneControls()
{
    Panel->UpdateToneControls();
}

void MemoryEditor::StepChannel(int delta)
{
    if (!ConfirmLeave()) return;
    LoadChannelControls(StepSlot(slot_, delta, MemoryCount));
}

int MemoryEditor::StepOfKey(int key) const
{
    if (key == Qt::Key_Up) return 1;
    if (key == Qt::Key_Down) return -1;
    return ChannelEditorDialog::StepOfKey(key);
}

void MemoryEditor::StepBy(int delta)
{
    // A valid number asks about pending changes itself; an empty box or the
    // start of a label does not, so ask before moving on.
    if (HandleTypedNumber(Edit_Channel->text()) && ConfirmLeave())
        LoadChannelControls(StepSlot(slot_, delta, MemoryCount));
}

void MemoryEditor::ChannelTextEdited(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper != text) {
        const int cursor = Edit_Channel->cursorPosition();
        SetChannelText(upper);
        Edit_Channel->setCursorPosition(cursor);
    }
    HandleTypedNumber(upper);
}

bool MemoryEditor::HandleTypedNumber(const QString& text)
{
    const ChannelNumber number = ParseChannelNumber(text.toStdString());
    switch (number.kind) {
    case ChannelNumberKind::Empty:
    case ChannelNumberKind::Partial: // still typing a label
        return true;
    case ChannelNumberKind::Invalid:
        ShowMessage(MessageKind::Information, Msg::InvalidChannelNumber);
        SetChannelText(lastValidNumber_);
        return true;
    case ChannelNumberKind::Valid:
        break;
    }
    if (!ConfirmLeave()) {
        SetChannelText(QString::fromStdString(ChannelNumberText(slot_)));
        return false;
    }
    LoadChannelControls(number.slot);
    lastValidNumber_ = text;
    return true;
}

void MemoryEditor::SetChannelText(const QString& text)
{
    // setText raises no textEdited, so the dialog's own writes are never
    // taken for typed numbers.
    Edit_Channel->setText(text);
}
