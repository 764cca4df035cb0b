// The "Memory Channel" dialog.
#include "editors/MemoryEditor.h"

#include "editors/ChannelRules.h"
#include "editors/EditorWidgets.h"
#include "mainwin/MainWindow.h"
#include "model/Records.h"
#include "ui/Messages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

MemoryEditor::MemoryEditor(MainWindow& form) : QDialog(&form), form_(form)
{
    setWindowTitle(QStringLiteral("Memory Channel"));
    auto* layout = new QGridLayout(this);

    Label_Channel = new QLabel(QStringLiteral("Memory Channel Number"), this);
    Edit_Channel = new QLineEdit(this);
    Edit_Channel->setMaxLength(3);
    Label_Channel->setBuddy(Edit_Channel);
    channelUpButton_ = new QToolButton(this);
    channelUpButton_->setArrowType(Qt::UpArrow);
    channelDownButton_ = new QToolButton(this);
    channelDownButton_->setArrowType(Qt::DownArrow);
    auto* channelRow = new QHBoxLayout;
    channelRow->addWidget(Label_Channel);
    channelRow->addWidget(Edit_Channel);
    channelRow->addWidget(channelUpButton_);
    channelRow->addWidget(channelDownButton_);
    channelRow->addStretch();
    layout->addLayout(channelRow, 0, 0, 1, 3);

    Panel = new ChannelPanel(true, 11, this);
    layout->addWidget(Panel, 1, 0, 1, 3);

    Label_Name = new QLabel(QStringLiteral("Memory Name"), this);
    Edit_Name = new NameEdit(this);
    Label_Name->setBuddy(Edit_Name);
    CheckBox_Lockout = new QCheckBox(QStringLiteral("Lock Out"), this);
    layout->addWidget(Label_Name, 2, 0);
    layout->addWidget(Edit_Name, 2, 1);
    layout->addWidget(CheckBox_Lockout, 2, 2);

    Button_Ok = new QPushButton(QStringLiteral("&OK"), this);
    Button_Close = new QPushButton(QStringLiteral("&Close"), this);
    Button_Ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_Ok);
    buttons->addWidget(Button_Close);
    layout->addLayout(buttons, 3, 0, 1, 3);

    connect(Edit_Channel, &QLineEdit::textEdited, this, &MemoryEditor::ChannelTextEdited);
    Edit_Channel->installEventFilter(this);
    connect(channelUpButton_, &QToolButton::clicked, this, [this]() { StepChannel(1); });
    connect(channelDownButton_, &QToolButton::clicked, this, [this]() { StepChannel(-1); });
    connect(Panel, &ChannelPanel::Changed, this, &MemoryEditor::MarkChanged);
    connect(Panel, &ChannelPanel::EnterPressed, this, &MemoryEditor::AcceptEntries);
    connect(Edit_Name, &QLineEdit::textChanged, this, &MemoryEditor::MarkChanged);
    connect(CheckBox_Lockout, &QCheckBox::toggled, this, &MemoryEditor::MarkChanged);
    connect(Button_Ok, &QPushButton::clicked, this, &MemoryEditor::OkButtonClick);
    connect(Button_Close, &QPushButton::clicked, this, &QDialog::reject);

    AssignPanelHelpContexts(*Panel);
    MainWindow::SetHelpContext(Edit_Channel, 500);
    MainWindow::SetHelpContext(Edit_Name, 540);
    MainWindow::SetHelpContext(CheckBox_Lockout, 545);
    InstallEditorHelpKey(*this, form_);
}

void MemoryEditor::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void MemoryEditor::FormShow()
{
    Edit_Name->SetMarket(form_.Market());
    slot_ = std::clamp(form_.SelectedRow(GridId::Memory) - 1, 0, MemoryCount - 1);
    Panel->Edit_Rx->setFocus();
    LoadChannelControls(slot_);
    Edit_Name->ClearLead();
}

void MemoryEditor::LoadChannelControls(int slot)
{
    loading_ = true;
    slot_ = slot;
    const ChannelControls c = LoadMemoryControls(form_.Image(), slot);
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
    form_.SetDataChanged(true);
    ChannelControls c = Panel->Read();
    c.name = Edit_Name->NameBytes();
    c.lockout = CheckBox_Lockout->isChecked();
    const BuiltRecord built = BuildMemoryRecord(form_.Image(), slot_, c);
    if (built.error != EntryError::None) {
        ShowEntryError(built.error);
        return false;
    }
    Panel->SetStep(built.step);
    form_.Image().SetMemoryRecord(slot_, built.record);
    form_.RefreshAllViews();
    LoadChannelControls(slot_);
    if (built.rounded) ShowMessage(MessageKind::Information, Msg::FrequencyRounded);
    return true;
}

void MemoryEditor::AcceptEntries()
{
    const AcceptedEntries a = AcceptMemoryEntries(form_.Image(), Panel->Read());
    if (a.error != EntryError::None) {
        ShowEntryError(a.error);
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

void MemoryEditor::OkButtonClick()
{
    if (StoreChannelControls()) accept();
}

void MemoryEditor::done(int result)
{
    if (pending_) {
        if (ShowMessage(MessageKind::Question, Msg::ContentsChangedOnClose) == MessageButton::Yes)
            StoreChannelControls();
        pending_ = false;
    }
    QDialog::done(result);
}

bool MemoryEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit_Channel && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        int delta = 0;
        if (key == Qt::Key_PageUp || key == Qt::Key_Up)
            delta = 1;
        else if (key == Qt::Key_PageDown || key == Qt::Key_Down)
            delta = -1;
        if (delta != 0) {
            // A valid number asks about pending changes itself; an empty box
            // or the start of a label does not, so ask before moving on.
            if (HandleTypedNumber(Edit_Channel->text()) && ConfirmLeave())
                LoadChannelControls(StepSlot(slot_, delta, MemoryCount));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
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
    if (pending_) {
        if (ShowMessage(MessageKind::Question, Msg::ContentsChanged) == MessageButton::Yes) {
            if (!StoreChannelControls()) {
                SetChannelText(QString::fromStdString(ChannelNumberText(slot_)));
                return false;
            }
        }
        pending_ = false;
    }
    LoadChannelControls(number.slot);
    lastValidNumber_ = text;
    return true;
}

bool MemoryEditor::ConfirmLeave()
{
    if (!pending_) return true;
    if (ShowMessage(MessageKind::Question, Msg::ContentsChanged) == MessageButton::Yes)
        return StoreChannelControls();
    pending_ = false;
    return true;
}

void MemoryEditor::SetChannelText(const QString& text)
{
    // setText raises no textEdited, so the dialog's own writes are never
    // taken for typed numbers.
    Edit_Channel->setText(text);
}

void MemoryEditor::MarkChanged()
{
    if (!loading_) pending_ = true;
}
