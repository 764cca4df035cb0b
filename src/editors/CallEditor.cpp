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

CallEditor::CallEditor(Document& document, int slot, QWidget* parent)
    : ChannelEditorDialog(document, slot, tr("CALL Channel"), parent)
{
    auto* layout = new QGridLayout(this);
    AddBandList(layout, &BandOfCallLabel);

    Panel = new ChannelPanel(true, 10, this);
    layout->addWidget(Panel, 1, 0, 1, 3);
    layout->addLayout(ButtonRow(), 2, 0, 1, 3);

    connect(Panel, &ChannelPanel::Changed, this, &CallEditor::MarkChanged);
    connect(Panel, &ChannelPanel::EnterPressed, this, &CallEditor::AcceptEntries);

    AssignPanelHelpContexts(*Panel);
    SetHelpContext(ComboBox_Band, 700);
    InstallEditorHelpKey(*this);
}

void CallEditor::FormShow()
{
    const RadioImage& image = document_.Image();
    ShowBands(CallBandList(image.MarketLetter(), image.Model()));
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
        ShowEntryError(built.error, *Panel);
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
        ShowEntryError(a.error, *Panel);
        return;
    }
    Panel->ApplyAccepted(a, true);
}
