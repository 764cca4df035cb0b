// The "DTMF Memory" dialog.
#include "editors/DtmfEditor.h"

#include "document/Document.h"
#include "editors/EditorWidgets.h"
#include "model/Records.h"
#include "model/TextCodec.h"
#include "rules/ChannelRules.h"
#include "rules/EntryKeys.h"
#include "ui/HelpContext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>

DtmfEditor::DtmfEditor(Document& document, int slot, QWidget* parent)
    : ChannelEditorDialog(document, std::clamp(slot, 0, DtmfCount - 1), tr("DTMF Memory"), parent)
{
    auto* layout = new QGridLayout(this);

    Label_Channel = new QLabel(tr("Channel Number"), this);
    ComboBox_Channel = new QComboBox(this);
    for (int number = 0; number < DtmfCount; ++number)
        ComboBox_Channel->addItem(QString::number(number));
    Label_Code = new QLabel(tr("DTMF Code"), this);
    Edit_Code = new DtmfCodeEdit(this);
    Label_Name = new QLabel(tr("Name"), this);
    Edit_Name = new NameEdit(this);
    Label_Channel->setBuddy(ComboBox_Channel);
    Label_Code->setBuddy(Edit_Code);
    Label_Name->setBuddy(Edit_Name);
    Edit_Code->setAccessibleDescription(
        tr("The tone digits the radio sends: 0 to 9, A to D, the star and the hash"));
    layout->addWidget(Label_Channel, 0, 0);
    layout->addWidget(ComboBox_Channel, 0, 1);
    layout->addWidget(Label_Code, 1, 0);
    layout->addWidget(Edit_Code, 1, 1);
    layout->addWidget(Label_Name, 2, 0);
    layout->addWidget(Edit_Name, 2, 1);
    layout->addLayout(ButtonRow(), 3, 0, 1, 2);

    connect(ComboBox_Channel, &QComboBox::activated, this, &DtmfEditor::ComboBox_ChannelClick);
    StepWithKeysOf(ComboBox_Channel);
    connect(Edit_Code, &QLineEdit::textChanged, this, &DtmfEditor::MarkChanged);
    connect(Edit_Name, &QLineEdit::textChanged, this, &DtmfEditor::MarkChanged);

    SetHelpContext(ComboBox_Channel, 800);
    SetHelpContext(Edit_Code, 805);
    SetHelpContext(Edit_Name, 810);
    InstallEditorHelpKey(*this);
}

void DtmfEditor::FormShow()
{
    Edit_Name->SetMarket(document_.Image().MarketLetter());
    ComboBox_Channel->setCurrentIndex(slot_);
    Edit_Code->setFocus();
    LoadChannelControls();
    Edit_Name->ClearLead();
}

void DtmfEditor::LoadChannelControls()
{
    loading_ = true;
    const RadioImage& image = document_.Image();
    const char market = image.MarketLetter();
    Edit_Code->setText(
        QString::fromStdU16String(MarketToUtf16(image.RecordFieldView(RecordKind::Dtmf, slot_, 1), market)));
    Edit_Name->SetNameBytes(image.GetRecordField(RecordKind::Dtmf, slot_, 2));
    loading_ = false;
    pending_ = false;
}

bool DtmfEditor::StoreChannelControls()
{
    // A pasted character outside the market's set has no byte: left out.
    const char market = document_.Image().MarketLetter();
    std::string code;
    for (QChar ch : Edit_Code->text())
        if (const auto byte = MarketCharToByte(ch.unicode(), market)) code += static_cast<char>(*byte);
    document_.StoreRecord(SlotKind::Dtmf, slot_, BuildDtmfRecord(slot_, code, Edit_Name->NameBytes()));
    pending_ = false;
    return true;
}

void DtmfEditor::ComboBox_ChannelClick(int position)
{
    if (position == slot_) return;
    ConfirmLeave(); // storing never fails
    slot_ = std::clamp(position, 0, DtmfCount - 1);
    ComboBox_Channel->setCurrentIndex(slot_);
    LoadChannelControls();
}

void DtmfEditor::StepBy(int delta)
{
    ComboBox_ChannelClick(StepSlot(slot_, delta, DtmfCount));
}
