// The "DTMF Memory" dialog.
#include "editors/DtmfEditor.h"

#include "editors/ChannelRules.h"
#include "editors/EditorWidgets.h"
#include "editors/EntryKeys.h"
#include "mainwin/MainWindow.h"
#include "model/Records.h"
#include "model/TextCodec.h"
#include "ui/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

DtmfEditor::DtmfEditor(MainWindow& form) : QDialog(&form), form_(form)
{
    setWindowTitle(QStringLiteral("DTMF Memory"));
    auto* layout = new QGridLayout(this);

    Label_Channel = new QLabel(QStringLiteral("Channel Number"), this);
    ComboBox_Channel = new QComboBox(this);
    for (int slot = 0; slot < DtmfCount; ++slot)
        ComboBox_Channel->addItem(QString::number(slot));
    Label_Code = new QLabel(QStringLiteral("DTMF Code"), this);
    Edit_Code = new DtmfCodeEdit(this);
    Label_Name = new QLabel(QStringLiteral("Name"), this);
    Edit_Name = new NameEdit(this);
    Label_Channel->setBuddy(ComboBox_Channel);
    Label_Code->setBuddy(Edit_Code);
    Label_Name->setBuddy(Edit_Name);
    layout->addWidget(Label_Channel, 0, 0);
    layout->addWidget(ComboBox_Channel, 0, 1);
    layout->addWidget(Label_Code, 1, 0);
    layout->addWidget(Edit_Code, 1, 1);
    layout->addWidget(Label_Name, 2, 0);
    layout->addWidget(Edit_Name, 2, 1);

    Button_Ok = new QPushButton(QStringLiteral("&OK"), this);
    Button_Close = new QPushButton(QStringLiteral("&Close"), this);
    Button_Ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_Ok);
    buttons->addWidget(Button_Close);
    layout->addLayout(buttons, 3, 0, 1, 2);

    connect(ComboBox_Channel, &QComboBox::activated, this, &DtmfEditor::ComboBox_ChannelClick);
    ComboBox_Channel->installEventFilter(this);
    connect(Edit_Code, &QLineEdit::textChanged, this, &DtmfEditor::MarkChanged);
    connect(Edit_Name, &QLineEdit::textChanged, this, &DtmfEditor::MarkChanged);
    connect(Button_Ok, &QPushButton::clicked, this, &DtmfEditor::OkButtonClick);
    connect(Button_Close, &QPushButton::clicked, this, &QDialog::reject);

    MainWindow::SetHelpContext(ComboBox_Channel, 800);
    MainWindow::SetHelpContext(Edit_Code, 805);
    MainWindow::SetHelpContext(Edit_Name, 810);
    InstallEditorHelpKey(*this, form_);
}

void DtmfEditor::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void DtmfEditor::FormShow()
{
    Edit_Name->SetMarket(form_.Market());
    slot_ = std::clamp(form_.SelectedRow(GridId::Dtmf) - 1, 0, DtmfCount - 1);
    ComboBox_Channel->setCurrentIndex(slot_);
    Edit_Code->setFocus();
    LoadChannelControls();
    Edit_Name->ClearLead();
}

void DtmfEditor::LoadChannelControls()
{
    loading_ = true;
    const RadioImage& image = form_.Image();
    const char market = form_.Market();
    Edit_Code->setText(
        QString::fromStdU16String(MarketToUtf16(image.RecordFieldView(RecordKind::Dtmf, slot_, 1), market)));
    Edit_Name->SetNameBytes(image.GetRecordField(RecordKind::Dtmf, slot_, 2));
    loading_ = false;
    pending_ = false;
}

void DtmfEditor::StoreChannelControls()
{
    form_.SetDataChanged(true);
    // A pasted character outside the market's set has no byte: left out.
    const char market = form_.Market();
    std::string code;
    for (QChar ch : Edit_Code->text())
        if (const auto byte = MarketCharToByte(ch.unicode(), market)) code += static_cast<char>(*byte);
    form_.Image().SetDtmfRecord(slot_, BuildDtmfRecord(slot_, code, Edit_Name->NameBytes()));
    form_.RefreshAllViews();
    pending_ = false;
}

void DtmfEditor::ComboBox_ChannelClick(int position)
{
    if (position == slot_) return;
    if (pending_ && ShowMessage(MessageKind::Question, Msg::ContentsChanged) == MessageButton::Yes)
        StoreChannelControls();
    pending_ = false;
    slot_ = std::clamp(position, 0, DtmfCount - 1);
    ComboBox_Channel->setCurrentIndex(slot_);
    LoadChannelControls();
}

void DtmfEditor::OkButtonClick()
{
    StoreChannelControls();
    accept();
}

void DtmfEditor::done(int result)
{
    if (pending_) {
        if (ShowMessage(MessageKind::Question, Msg::ContentsChangedOnClose) == MessageButton::Yes)
            StoreChannelControls();
        pending_ = false;
    }
    QDialog::done(result);
}

bool DtmfEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ComboBox_Channel && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            ComboBox_ChannelClick(StepSlot(slot_, key == Qt::Key_PageUp ? 1 : -1, DtmfCount));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DtmfEditor::MarkChanged()
{
    if (!loading_) pending_ = true;
}
