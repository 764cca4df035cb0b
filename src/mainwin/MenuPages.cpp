// The radio menu pages: operator changes go into the image one setting at a
// time, a refresh brings every control back in step with the image.
#include "mainwin/MenuPages.h"

#include "document/Document.h"
#include "model/RadioImage.h"
#include "model/TextCodec.h"
#include "rules/MenuRules.h"
#include "ui/Messages.h"
#include "ui/QtText.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QStringEncoder>

#include <utility>

QString WithoutAccessKey(const QString& caption)
{
    // Japanese captions carry the key in brackets after the word.
    static const QRegularExpression bracketedKey(QStringLiteral("\\(&[^&)]\\)"));
    return QString(caption).remove(bracketedKey).remove(QLatin1Char('&'));
}

MenuPages::MenuPages(QWidget* menuPage1, QWidget* menuPage2, Document& document)
    : QObject(menuPage1), document_(document)
{
    BuildMenu1(menuPage1);
    BuildMenu2(menuPage2);
    // A box inside another box would be announced with the outer box's title.
    for (QWidget* page : {menuPage1, menuPage2}) {
        for (QGroupBox* box : page->findChildren<QGroupBox*>()) {
            if (box->accessibleName().isEmpty() && !box->title().isEmpty())
                box->setAccessibleName(WithoutAccessKey(box->title()));
        }
    }

    using namespace MenuSetting;
    Bind(Kind::Radio, RadioGroup_Band, Band);
    Bind(Kind::Track, TrackBer_Bal, Balance);
    Bind(Kind::Check, CheckBox_Dual, Dual);
    Bind(Kind::Check, CheckBox_Att, Att);
    Bind(Kind::Check, CheckBox_Lock, KeyLock);
    Bind(Kind::Check, CheckBox_Lamp, Lamp);
    Bind(Kind::InvertedCheck, CheckBox_MName, MemoryName);
    Bind(Kind::Radio, RadioGroup_APower, APower);
    Bind(Kind::Radio, RadioGroup_BPower, BPower);
    Bind(Kind::Radio, RadioGroup_AGPower, AGPower);
    Bind(Kind::Radio, RadioGroup_BGPower, BGPower);
    Bind(Kind::Radio, RadioGroup_ScanResume, ScanResume);
    for (QCheckBox* box : GroupLinkBoxes())
        Bind(Kind::GroupLink, box, GroupLink);
    Bind(Kind::Radio, RadioGroup_MemoryMethod, MemoryMethod);
    Bind(Kind::Check, CheckBox_ARO, Aro);
    Bind(Kind::Check, CheckBox_TuneEnable, TuneEnable);
    Bind(Kind::Check, CheckBox_TxInhibit, TxInhibit);
    Bind(Kind::Radio, RadioGroup_DtmfSpeed, DtmfSpeed);
    Bind(Kind::Combo, ComboBox_DtmfPause, DtmfPause);
    Bind(Kind::Check, CheckBox_DtmfLock, DtmfLock);
    Bind(Kind::Check, CheckBox_DtmfHold, DtmfHold);
    Bind(Kind::Contrast, ComboBox_Contrast, Contrast);
    Bind(Kind::Combo, ComboBox_Save, BatterySaver);
    Bind(Kind::Combo, ComboBox_Apo, AutoPowerOff);
    Bind(Kind::Check, CheckBox_KeyBeep, KeyBeep);
    Bind(Kind::Check, CheckBox_VoxOnBusy, VoxOnBusy);
    Bind(Kind::Combo, ComboBox_VoxGain, VoxGain);
    Bind(Kind::Combo, ComboBox_VoxDeley, VoxDelay);
    Bind(Kind::Radio, RadioGroup_CallKey, CallKey);
    Bind(Kind::Check, CheckBox_t1750Hold, ToneHold1750);
    Bind(Kind::Check, CheckBox_BeatShift, BeatShift);
    Bind(Kind::Check, CheckBox_BarAntenna, BarAntenna);
    Bind(Kind::Radio, RadioGroup_Language, Language);
    Bind(Kind::Radio, RadioGroup_PacketSpeed, PacketSpeed);
    Bind(Kind::Check, CheckBox_Nar144, Nar144);
    Bind(Kind::Check, CheckBox_Nar220, Nar220);
    Bind(Kind::Check, CheckBox_Nar440, Nar440);
    Bind(Kind::Check, CheckBox_Nar1200, Nar1200);
    Bind(Kind::Check, CheckBox_NarHf, NarHf);
    Bind(Kind::Radio, RadioGroup_Battery, Battery);

    connect(Edit_Pom, &QLineEdit::textChanged, this, [this] { Edit_PomChange(); });
    Edit_Pom->installEventFilter(this);
}

MenuPages::~MenuPages() = default;

std::array<QCheckBox*, 8> MenuPages::GroupLinkBoxes() const
{
    return {CheckBox_0, CheckBox_1, CheckBox_2, CheckBox_3, CheckBox_4, CheckBox_5, CheckBox_6, CheckBox_7};
}

void MenuPages::Bind(Kind kind, QWidget* control, int setting)
{
    bindings_.push_back({kind, control, setting});
    // Copy the binding into the handler: the vector may still grow.
    const Binding binding = bindings_.back();
    auto handler = [this, binding] { ControlChanged(binding); };
    switch (kind) {
    case Kind::Check:
    case Kind::InvertedCheck:
    case Kind::GroupLink:
        connect(static_cast<QCheckBox*>(control), &QCheckBox::toggled, this, handler);
        break;
    case Kind::Radio:
        connect(static_cast<RadioGroup*>(control), &RadioGroup::ItemIndexChanged, this, handler);
        break;
    case Kind::Combo:
    case Kind::Contrast:
        connect(static_cast<QComboBox*>(control), &QComboBox::currentIndexChanged, this, handler);
        break;
    case Kind::Track:
        connect(static_cast<QSlider*>(control), &QSlider::valueChanged, this, handler);
        break;
    }
}

char MenuPages::Market() const
{
    return document_.Image().MarketLetter();
}

void MenuPages::StoreSetting(int setting, const std::string& value)
{
    // Only the power-on message is stored while refreshing: a text from the
    // radio or a file that the field refused, emptied as part of that load.
    if (refreshing_)
        document_.CorrectLoadedSetting(setting, value);
    else
        document_.SetMenuSetting(setting, value);
}

void MenuPages::ControlChanged(const Binding& binding)
{
    // A refresh only mirrors the image; writing its controls back would
    // replace a blank setting (one the radio version lacks) or a value no
    // entry stands for with whatever the control happens to show.
    if (refreshing_) return;
    std::string value;
    switch (binding.kind) {
    case Kind::Check:
        value = CheckBoxSetting(static_cast<QCheckBox*>(binding.control)->isChecked());
        break;
    case Kind::InvertedCheck:
        value = CheckBoxSetting(static_cast<QCheckBox*>(binding.control)->isChecked(), true);
        break;
    case Kind::GroupLink: {
        const auto boxes = GroupLinkBoxes();
        for (int group = 0; group < MenuGroupCount; ++group)
            if (boxes[static_cast<std::size_t>(group)] == binding.control)
                value = GroupLinkSetting(document_.Image().GetMenuSetting(binding.setting), group,
                                         boxes[static_cast<std::size_t>(group)]->isChecked());
        break;
    }
    case Kind::Radio:
        value = IndexSetting(static_cast<RadioGroup*>(binding.control)->ItemIndex());
        break;
    case Kind::Combo:
        value = IndexSetting(static_cast<QComboBox*>(binding.control)->currentIndex());
        break;
    case Kind::Contrast:
        value = ContrastSetting(static_cast<QComboBox*>(binding.control)->currentIndex());
        break;
    case Kind::Track:
        value = IndexSetting(static_cast<QSlider*>(binding.control)->value());
        break;
    }
    // No selection writes nothing.
    if (!value.empty()) StoreSetting(binding.setting, value);
}

void MenuPages::SetControl(const Binding& binding)
{
    const std::string& value = document_.Image().GetMenuSetting(binding.setting);
    switch (binding.kind) {
    case Kind::Check:
        static_cast<QCheckBox*>(binding.control)->setChecked(CheckBoxFromSetting(value));
        break;
    case Kind::InvertedCheck:
        static_cast<QCheckBox*>(binding.control)->setChecked(CheckBoxFromSetting(value, true));
        break;
    case Kind::GroupLink: {
        const auto boxes = GroupLinkBoxes();
        for (int group = 0; group < MenuGroupCount; ++group)
            if (boxes[static_cast<std::size_t>(group)] == binding.control)
                boxes[static_cast<std::size_t>(group)]->setChecked(GroupLinked(value, group));
        break;
    }
    case Kind::Radio: {
        auto* group = static_cast<RadioGroup*>(binding.control);
        group->SetItemIndex(IndexFromSetting(value, group->Count()));
        break;
    }
    case Kind::Combo: {
        auto* list = static_cast<QComboBox*>(binding.control);
        list->setCurrentIndex(IndexFromSetting(value, list->count()));
        break;
    }
    case Kind::Contrast:
        static_cast<QComboBox*>(binding.control)->setCurrentIndex(ContrastFromSetting(value));
        break;
    case Kind::Track: {
        auto* track = static_cast<QSlider*>(binding.control);
        const int position = IndexFromSetting(value, track->maximum() + 1);
        // A track bar cannot show "no position": an unknown balance shows
        // the centre, and the stored text stays as it is.
        track->setValue(position >= 0 ? position : 2);
        break;
    }
    }
}

void MenuPages::RefreshFromImage()
{
    for (int setting = 0; setting < MenuSetting::Count; ++setting)
        RefreshSetting(setting);
}

void MenuPages::RefreshSetting(int setting)
{
    const bool wasRefreshing = std::exchange(refreshing_, true);
    for (const Binding& binding : bindings_)
        if (binding.setting == setting) SetControl(binding);
    if (setting == MenuSetting::AGPower)
        RadioGroup_AGPower->setVisible(!document_.Image().GetMenuSetting(MenuSetting::AGPower).empty());
    if (setting == MenuSetting::BGPower)
        RadioGroup_BGPower->setVisible(!document_.Image().GetMenuSetting(MenuSetting::BGPower).empty());
    if (setting == MenuSetting::PowerOnMessage) {
        const QString text =
            MarketToQString(document_.Image().GetMenuSetting(MenuSetting::PowerOnMessage), Market());
        // The operator's own typing is already in the field.
        if (Edit_Pom->text() != text) {
            const QSignalBlocker blocker(Edit_Pom);
            Edit_Pom->setText(text);
        }
        // A message from the radio or a file goes through the same text check
        // as one typed in, and is emptied when it holds a foreign character.
        Edit_PomChange();
    }
    refreshing_ = wasRefreshing;
}

void MenuPages::ApplyVersion()
{
    const NarrowBoxes boxes = NarrowBoxesFor(Market(), document_.Image().Model());
    CheckBox_Nar220->setVisible(boxes.show220);
    CheckBox_NarHf->setVisible(boxes.showHf);
    CheckBox_Nar1200->setVisible(boxes.show1200);
    CheckBox_Nar440->setText(tr(boxes.caption440));
}

void MenuPages::ReportInvalidCharacter()
{
    ShowMessage(MessageKind::Information, Msg::InvalidCharacter);
}

bool MenuPages::Edit_PomKeyPress(const QString& typed)
{
    const char market = Market();
    bool drop = false;
    for (const QChar ch : typed) {
        std::string bytes;
        if (const auto byte = MarketCharToByte(ch.unicode(), market)) {
            bytes.push_back(static_cast<char>(*byte));
        } else if (IsKatakanaMarket(market)) {
            // A character of the double-byte set arrives as its two bytes,
            // so that the filter keeps it out as one rejected key.
            QStringEncoder encoder("Shift_JIS");
            const QByteArray encoded = encoder.isValid() ? QByteArray(encoder(QString(ch))) : QByteArray();
            if (!encoder.hasError())
                bytes.assign(encoded.constData(), static_cast<std::size_t>(encoded.size()));
        }
        if (bytes.empty()) {
            // No byte of this market stands for the character.
            DoubleByteLeadPending = false;
            ReportInvalidCharacter();
            return true;
        }
        for (char b : bytes) {
            switch (FilterPomKey(static_cast<unsigned char>(b), market, DoubleByteLeadPending)) {
            case PomKey::Pass:
                break;
            case PomKey::Swallow:
                drop = true;
                break;
            case PomKey::Reject:
                ReportInvalidCharacter();
                return true;
            }
        }
    }
    return drop;
}

void MenuPages::Edit_PomChange()
{
    const char market = Market();
    std::optional<std::string> bytes = QStringToMarket(Edit_Pom->text(), market);
    if (!bytes || !CheckPomText(*bytes, market)) {
        ReportInvalidCharacter();
        const QSignalBlocker blocker(Edit_Pom);
        Edit_Pom->clear();
        bytes = std::string();
    }
    StoreSetting(MenuSetting::PowerOnMessage, *bytes);
}

bool MenuPages::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Edit_Pom) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::InputMethod) {
        // Text composed with an input method arrives without key presses:
        // it passes the same filter before it enters the field.
        const auto* input = static_cast<QInputMethodEvent*>(event);
        if (input->commitString().isEmpty() || !Edit_PomKeyPress(input->commitString())) return false;
        QInputMethodEvent nothing; // ends the composition, commits nothing
        QCoreApplication::sendEvent(Edit_Pom, &nothing);
        return true;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) return true;
    // Editing and navigation keys and shortcuts (copy, paste, select all)
    // are not characters; what they put into the field is checked as text.
    if (key->text().isEmpty() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return false;
    default:
        return Edit_PomKeyPress(key->text());
    }
}
