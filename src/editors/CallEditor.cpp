// The "CALL Channel" dialog.
#include "editors/CallEditor.h"

#include "document/Document.h"
#include "editors/EditorWidgets.h"
#include "model/FieldTexts.h"
#include "rules/ChannelRules.h"
#include "ui/HelpContext.h"
#include "ui/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

CallEditor::CallEditor(Document& document, int slot, QWidget* parent)
    : ChannelEditorDialog(document, slot, QStringLiteral("CALL Channel"), parent)
{
    auto* layout = new QGridLayout(this);

    Label_Band = new QLabel(QStringLiteral("Band"), this);
    ComboBox_Band = new QComboBox(this);
    Label_Band->setBuddy(ComboBox_Band);
    layout->addWidget(Label_Band, 0, 0);
    layout->addWidget(ComboBox_Band, 0, 1);

    Panel = new ChannelPanel(true, 10, this);
    layout->addWidget(Panel, 1, 0, 1, 3);
    layout->addLayout(ButtonRow(), 2, 0, 1, 3);

    connect(ComboBox_Band, &QComboBox::activated, this, &CallEditor::ComboBox_BandClick);
    StepWithKeysOf(ComboBox_Band);
    connect(Panel, &ChannelPanel::Changed, this, &CallEditor::MarkChanged);
    connect(Panel, &ChannelPanel::EnterPressed, this, &CallEditor::AcceptEntries);

    AssignPanelHelpContexts(*Panel);
    SetHelpContext(ComboBox_Band, 700);
    InstallEditorHelpKey(*this);
}

void CallEditor::FormShow()
{
    const RadioImage& image = document_.Image();
    for (const std::string& name : CallBandList(image.MarketLetter(), image.Model()))
        ComboBox_Band->addItem(QString::fromStdString(name));
    position_ = 0;
    for (int position = 0; position < ComboBox_Band->count(); ++position)
        if (BandOfCallLabel(ComboBox_Band->itemText(position).toStdString()) == slot_) position_ = position;
    slot_ = CallSlotOfPosition(position_, image.MarketLetter());
    ComboBox_Band->setCurrentIndex(position_);
    Panel->Edit_Rx->setFocus();
    LoadChannelControls();
}

void CallEditor::LoadChannelControls()
{
    loading_ = true;
    Panel->Write(LoadCallControls(document_.Image(), slot_));
    loading_ = false;
    pending_ = false;
}

bool CallEditor::StoreChannelControls()
{
    const BuiltRecord built = BuildCallRecord(document_.Image(), slot_, Panel->Read());
    if (built.error != EntryError::None) {
        ShowEntryError(built.error);
        return false;
    }
    Panel->SetStep(built.step);
    Panel->SetMode(built.mode);
    document_.StoreRecord(SlotKind::Call, slot_, built.record);
    LoadChannelControls();
    if (built.rounded) ShowMessage(MessageKind::Information, Msg::FrequencyRounded);
    return true;
}

void CallEditor::AcceptEntries()
{
    const AcceptedEntries a = AcceptCallEntries(document_.Image(), slot_, Panel->Read());
    if (a.error != EntryError::None) {
        ShowEntryError(a.error);
        return;
    }
    Panel->ApplyAccepted(a, true);
}

void CallEditor::ComboBox_BandClick(int position)
{
    if (position == position_) return;
    if (!ConfirmLeave()) {
        ComboBox_Band->setCurrentIndex(position_);
        return;
    }
    position_ = position;
    ComboBox_Band->setCurrentIndex(position);
    slot_ = CallSlotOfPosition(position, document_.Image().MarketLetter());
    LoadChannelControls();
}

void CallEditor::StepBy(int delta)
{
    const int count = ComboBox_Band->count();
    if (count > 0) ComboBox_BandClick(StepSlot(position_, delta, count));
}
