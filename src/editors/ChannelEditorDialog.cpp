// The channel editors' shared plumbing.
#include "editors/ChannelEditorDialog.h"

#include "document/Document.h"
#include "rules/ChannelRules.h"
#include "ui/Accessibility.h"
#include "ui/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

ChannelEditorDialog::ChannelEditorDialog(Document& document, int slot, const QString& title, QWidget* parent)
    : QDialog(parent), document_(document), slot_(slot)
{
    setWindowTitle(title);
    InstallAccessibleInterfaces();
}

QHBoxLayout* ChannelEditorDialog::ButtonRow()
{
    // Made after the editor's controls, so that they come last in the tab
    // order, as they are last in reading order.
    Button_Ok = new QPushButton(tr("&OK"), this);
    Button_Close = new QPushButton(tr("&Close"), this);
    Button_Ok->setDefault(true);
    connect(Button_Ok, &QPushButton::clicked, this, &ChannelEditorDialog::OkButtonClick);
    connect(Button_Close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_Ok);
    buttons->addWidget(Button_Close);
    return buttons;
}

void ChannelEditorDialog::StepWithKeysOf(QWidget* chooser)
{
    chooser_ = chooser;
    chooser->installEventFilter(this);
}

int ChannelEditorDialog::StepOfKey(int key) const
{
    if (key == Qt::Key_PageUp) return 1;
    if (key == Qt::Key_PageDown) return -1;
    return 0;
}

bool ChannelEditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == chooser_ && event->type() == QEvent::KeyPress) {
        if (const int delta = StepOfKey(static_cast<QKeyEvent*>(event)->key()); delta != 0) {
            StepBy(delta);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ChannelEditorDialog::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

bool ChannelEditorDialog::Store()
{
    if (!StoreChannelControls()) {
        // The operator's edits are not in the image, but they were made: the
        // data counts as changed, so that every prompt still asks.
        document_.SetDataChanged(true);
        return false;
    }
    pending_ = false;
    return true;
}

bool ChannelEditorDialog::ConfirmLeave()
{
    if (!pending_) return true;
    if (ShowMessage(MessageKind::Question, Msg::ContentsChanged) == MessageButton::Yes && !Store())
        return false; // refused: the edits of this slot are still unsaved
    pending_ = false;
    return true;
}

void ChannelEditorDialog::OkButtonClick()
{
    if (Store()) accept();
}

void ChannelEditorDialog::done(int result)
{
    if (pending_) {
        if (ShowMessage(MessageKind::Question, Msg::ContentsChangedOnClose) == MessageButton::Yes) Store();
        pending_ = false;
    }
    QDialog::done(result);
}

void ChannelEditorDialog::AddBandList(QGridLayout* layout, int (*bandOfLabel)(std::string_view))
{
    bandOfLabel_ = bandOfLabel;
    Label_Band = new QLabel(tr("Band"), this);
    ComboBox_Band = new QComboBox(this);
    Label_Band->setBuddy(ComboBox_Band);
    layout->addWidget(Label_Band, 0, 0);
    layout->addWidget(ComboBox_Band, 0, 1);
    connect(ComboBox_Band, &QComboBox::activated, this, &ChannelEditorDialog::ComboBox_BandClick);
    StepWithKeysOf(ComboBox_Band);
}

void ChannelEditorDialog::ShowBands(const std::vector<std::string>& labels)
{
    for (const std::string& label : labels)
        ComboBox_Band->addItem(QString::fromStdString(label));
    const auto bandAt = [this](int position) {
        return bandOfLabel_(ComboBox_Band->itemText(position).toStdString());
    };
    bandPosition_ = 0;
    for (int position = 0; position < ComboBox_Band->count(); ++position)
        if (bandAt(position) == slot_) bandPosition_ = position;
    if (ComboBox_Band->count() > 0) slot_ = bandAt(bandPosition_);
    ComboBox_Band->setCurrentIndex(bandPosition_);
}

void ChannelEditorDialog::ComboBox_BandClick(int position)
{
    if (!ComboBox_Band || position == bandPosition_) return;
    if (!ConfirmLeave()) {
        // Refused: back to the band being edited, whose edits are still
        // unsaved, so the next switch asks again.
        ComboBox_Band->setCurrentIndex(bandPosition_);
        return;
    }
    bandPosition_ = position;
    ComboBox_Band->setCurrentIndex(position);
    slot_ = bandOfLabel_(ComboBox_Band->itemText(position).toStdString());
    LoadBand();
}

void ChannelEditorDialog::StepBy(int delta)
{
    const int count = ComboBox_Band ? ComboBox_Band->count() : 0;
    if (count > 0) ComboBox_BandClick(StepSlot(bandPosition_, delta, count));
}

void ChannelEditorDialog::MarkChanged()
{
    if (!loading_) pending_ = true;
}
