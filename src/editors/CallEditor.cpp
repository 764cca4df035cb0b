// The "CALL Channel" dialog.
#include "editors/CallEditor.h"

#include "editors/ChannelRules.h"
#include "editors/EditorWidgets.h"
#include "mainwin/MainWindow.h"
#include "ui/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

CallEditor::CallEditor(MainWindow& form) : QDialog(&form), form_(form)
{
    setWindowTitle(QStringLiteral("CALL Channel"));
    auto* layout = new QGridLayout(this);

    Label_Band = new QLabel(QStringLiteral("Band"), this);
    ComboBox_Band = new QComboBox(this);
    Label_Band->setBuddy(ComboBox_Band);
    layout->addWidget(Label_Band, 0, 0);
    layout->addWidget(ComboBox_Band, 0, 1);

    Panel = new ChannelPanel(true, 10, this);
    layout->addWidget(Panel, 1, 0, 1, 3);

    Button_Ok = new QPushButton(QStringLiteral("&OK"), this);
    Button_Close = new QPushButton(QStringLiteral("&Close"), this);
    Button_Ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_Ok);
    buttons->addWidget(Button_Close);
    layout->addLayout(buttons, 2, 0, 1, 3);

    connect(ComboBox_Band, &QComboBox::activated, this, &CallEditor::ComboBox_BandClick);
    ComboBox_Band->installEventFilter(this);
    connect(Panel, &ChannelPanel::Changed, this, &CallEditor::MarkChanged);
    connect(Panel, &ChannelPanel::EnterPressed, this, &CallEditor::AcceptEntries);
    connect(Button_Ok, &QPushButton::clicked, this, &CallEditor::OkButtonClick);
    connect(Button_Close, &QPushButton::clicked, this, &QDialog::reject);

    AssignPanelHelpContexts(*Panel);
    MainWindow::SetHelpContext(ComboBox_Band, 700);
    InstallEditorHelpKey(*this, form_);
}

void CallEditor::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void CallEditor::FormShow()
{
    const RadioImage& image = form_.Image();
    for (const std::string& name : CallBandList(image.MarketLetter(), image.Model()))
        ComboBox_Band->addItem(QString::fromStdString(name));
    const int row = std::max(form_.SelectedRow(GridId::Call), 1);
    slot_ = form_.CallIndexOfRow(row);
    position_ = std::clamp(row - 1, 0, ComboBox_Band->count() - 1);
    ComboBox_Band->setCurrentIndex(position_);
    Panel->Edit_Rx->setFocus();
    LoadChannelControls();
}

void CallEditor::LoadChannelControls()
{
    loading_ = true;
    Panel->Write(LoadCallControls(form_.Image(), slot_));
    loading_ = false;
    pending_ = false;
}

bool CallEditor::StoreChannelControls()
{
    form_.SetDataChanged(true);
    const BuiltRecord built = BuildCallRecord(form_.Image(), slot_, Panel->Read());
    if (built.error != EntryError::None) {
        ShowEntryError(built.error);
        return false;
    }
    Panel->SetStep(built.step);
    Panel->SetMode(built.mode);
    form_.Image().SetCallRecord(slot_, built.record);
    form_.RefreshAllViews();
    LoadChannelControls();
    if (built.rounded) ShowMessage(MessageKind::Information, Msg::FrequencyRounded);
    return true;
}

void CallEditor::AcceptEntries()
{
    const AcceptedEntries a = AcceptCallEntries(form_.Image(), slot_, Panel->Read());
    if (a.error != EntryError::None) {
        ShowEntryError(a.error);
        return;
    }
    Panel->ApplyAccepted(a, true);
}

void CallEditor::ComboBox_BandClick(int position)
{
    if (position == position_) return;
    if (pending_) {
        if (ShowMessage(MessageKind::Question, Msg::ContentsChanged) == MessageButton::Yes &&
            !StoreChannelControls()) {
            // Refused: the edits of this slot are still unsaved.
            ComboBox_Band->setCurrentIndex(position_);
            return;
        }
        pending_ = false;
    }
    position_ = position;
    ComboBox_Band->setCurrentIndex(position);
    slot_ = CallSlotOfPosition(position, form_.Market());
    LoadChannelControls();
}

void CallEditor::OkButtonClick()
{
    if (StoreChannelControls()) accept();
}

void CallEditor::done(int result)
{
    if (pending_) {
        if (ShowMessage(MessageKind::Question, Msg::ContentsChangedOnClose) == MessageButton::Yes)
            StoreChannelControls();
        pending_ = false;
    }
    QDialog::done(result);
}

bool CallEditor::eventFilter(QObject* watched, QEvent* event)
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

void CallEditor::MarkChanged()
{
    if (!loading_) pending_ = true;
}
