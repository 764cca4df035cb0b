// Shared controls of the channel editors.
#include "editors/EditorWidgets.h"

#include "model/FieldTexts.h"
#include "model/TextCodec.h"
#include "rules/EntryKeys.h"
#include "rules/FrequencyRules.h"
#include "ui/Accessibility.h"
#include "ui/HelpContext.h"
#include "ui/Messages.h"
#include "ui/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QStringEncoder>

namespace {

const QString WesternFontName = QStringLiteral("Times New Roman");
const QString JapaneseFontName = QStringLiteral(u"\uFF2D\uFF33\u3000\uFF30\u660E\u671D");
constexpr int NameFontPointSize = 10;

QString Latin(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsEditShortcut(QKeyEvent* event)
{
    for (QKeySequence::StandardKey key : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                                          QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
        if (event->matches(key)) return true;
    return false;
}

// Keys that move the cursor or delete: no characters, so no filter applies.
bool IsEditingKey(int key)
{
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool IsEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The rules mark their captions of the special minus offset for this context.
QString SpecialCaptionText(const std::string& caption)
{
    return QCoreApplication::translate("ChannelPanel", caption.c_str());
}

} // namespace

// ---- FrequencyEdit ------------------------------------------------------------

FrequencyEdit::FrequencyEdit(int maxLength, bool enterAccepts, QWidget* parent)
    : QLineEdit(parent), enterAccepts_(enterAccepts)
{
    setMaxLength(maxLength);
    // Pasted text obeys the same set as typed keys.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this));
}

void FrequencyEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (IsEnter(key)) {
        if (!enterAccepts_) {
            QLineEdit::keyPressEvent(event); // ignored there: the default button
            return;
        }
        event->accept();
        emit EnterPressed();
        return;
    }
    if (key == Qt::Key_Escape || IsEditShortcut(event) || IsEditingKey(key) || event->text().isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && (text[0].isDigit() || text[0] == QLatin1Char('.')) && text[0].unicode() < 128) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept(); // every other character is dropped without a word
}

// ---- NameEdit -----------------------------------------------------------------

NameEdit::NameEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(8);
    connect(this, &QLineEdit::textEdited, this, &NameEdit::CheckEditedText);
}

void NameEdit::SetMarket(char market)
{
    market_ = market;
    setFont(NameFont(market));
}

std::string NameEdit::NameBytes() const
{
    if (text() == loadedText_) return loadedBytes_;
    std::string bytes;
    for (QChar ch : text())
        if (const auto byte = MarketCharToByte(ch.unicode(), market_)) bytes += static_cast<char>(*byte);
    return bytes;
}

void NameEdit::SetNameBytes(const std::string& bytes)
{
    loadedBytes_ = bytes;
    loadedText_ = MarketToQString(bytes, market_);
    setText(loadedText_);
}

void NameEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (IsEnter(key) || IsEditShortcut(event) || IsEditingKey(key) || event->text().isEmpty()) {
        if (key == Qt::Key_Backspace && leadByte_) leadByte_ = false;
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Judge the bytes the characters stand for in the market's set. A
    // character outside the set is, for market J, a double-byte character:
    // its lead byte is swallowed and its second byte refused.
    bool accept = true;
    bool refuse = false;
    for (QChar ch : event->text()) {
        std::string bytes;
        if (const auto byte = MarketCharToByte(ch.unicode(), market_)) {
            bytes.assign(1, static_cast<char>(*byte));
        } else if (IsKatakanaMarket(market_)) {
            QStringEncoder toShiftJis("Shift_JIS");
            const QByteArray encoded = toShiftJis.encode(QString(ch));
            bytes =
                toShiftJis.hasError() || encoded.isEmpty() ? std::string("\x81\x81") : encoded.toStdString();
        } else {
            refuse = true;
            accept = false;
            break;
        }
        for (char b : bytes) {
            const KeyVerdict verdict = NameKeyVerdict(static_cast<unsigned char>(b), market_, leadByte_);
            accept = accept && verdict == KeyVerdict::Accept;
            refuse = refuse || verdict == KeyVerdict::Refuse;
        }
    }
    if (accept) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (refuse) ShowMessage(MessageKind::Information, Msg::InvalidCharacter);
}

void NameEdit::CheckEditedText(const QString& text)
{
    for (QChar ch : text) {
        const auto byte = MarketCharToByte(ch.unicode(), market_);
        if (!byte || !IsNameByte(*byte, market_)) {
            ShowMessage(MessageKind::Information, Msg::InvalidCharacter);
            clear();
            return;
        }
    }
}

// ---- DtmfCodeEdit ------------------------------------------------------------

namespace {

// Whatever reaches the code box (a paste, a drop, a loaded record) keeps only
// what its keys take, so the box never holds a code the radio cannot.
class DtmfCodeFilter : public QValidator
{
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        QString kept;
        int keptBefore = 0;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const char16_t ch = input[i].unicode();
            if (ch >= 256) continue;
            const std::string code = FilterDtmfCode(std::string(1, static_cast<char>(ch)));
            if (code.empty() || kept.size() >= 16) continue;
            kept += QLatin1Char(code[0]);
            if (i < position) ++keptBefore;
        }
        input = kept;
        position = keptBefore;
        return Acceptable;
    }
};

} // namespace

DtmfCodeEdit::DtmfCodeEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(16);
    setValidator(new DtmfCodeFilter(this));
}

void DtmfCodeEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (IsEnter(key) || IsEditShortcut(event) || IsEditingKey(key) || event->text().isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    char entered = 0;
    const char16_t ch = text.size() == 1 ? text[0].unicode() : u'\0';
    const KeyVerdict verdict =
        ch > 0 && ch < 256 ? DtmfCodeKeyVerdict(static_cast<unsigned char>(ch), entered) : KeyVerdict::Refuse;
    event->accept();
    if (verdict == KeyVerdict::Accept)
        insert(QString(QLatin1Char(entered)));
    else if (verdict == KeyVerdict::Refuse)
        ShowMessage(MessageKind::Information, Msg::InvalidCharacter);
}

QFont NameFont(char market)
{
    static const bool substituted = [] {
        QFont::insertSubstitutions(
            WesternFontName,
            {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")});
        QFont::insertSubstitutions(
            JapaneseFontName,
            {QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP")});
        return true;
    }();
    (void)substituted;
    return QFont(market == 'J' ? JapaneseFontName : WesternFontName, NameFontPointSize);
}

// ---- ChannelPanel ------------------------------------------------------------

ChannelPanel::ChannelPanel(bool withSplit, int frequencyLength, QWidget* parent)
    : QWidget(parent), withSplit_(withSplit)
{
    InstallAccessibleInterfaces();
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    Label_Rx = new QLabel(tr("Rx Frequency"), this);
    Edit_Rx = new FrequencyEdit(frequencyLength, true, this);
    Label_RxMHz = new QLabel(QStringLiteral("MHz"), this);
    Label_Tx = new QLabel(tr("Tx Frequency"), this);
    Edit_Tx = new FrequencyEdit(frequencyLength, true, this);
    Label_TxMHz = new QLabel(QStringLiteral("MHz"), this);
    Label_Offset = new QLabel(tr("Offset"), this);
    Edit_Offset = new FrequencyEdit(5, true, this);
    Label_OffsetMHz = new QLabel(QStringLiteral("MHz"), this);
    Label_Rx->setBuddy(Edit_Rx);
    Label_Tx->setBuddy(Edit_Tx);
    Label_Offset->setBuddy(Edit_Offset);
    Edit_Offset->setAccessibleDescription(
        tr("How far the transmit frequency lies from the receive frequency"));
    layout->addWidget(Label_Rx, 0, 0);
    layout->addWidget(Edit_Rx, 0, 1);
    layout->addWidget(Label_RxMHz, 0, 2);
    layout->addWidget(Label_Tx, 1, 0);
    layout->addWidget(Edit_Tx, 1, 1);
    layout->addWidget(Label_TxMHz, 1, 2);
    layout->addWidget(Label_Offset, 2, 0);
    layout->addWidget(Edit_Offset, 2, 1);
    layout->addWidget(Label_OffsetMHz, 2, 2);

    //: The tuning step (5kHz, 12.5kHz...).
    Label_Step = new QLabel(tr("Step"), this);
    ComboBox_Step = new QComboBox(this);
    for (const StepCode& step : StepCodes)
        ComboBox_Step->addItem(Latin(step.text));
    //: The operating mode (FM, AM, NFM...).
    Label_Mode = new QLabel(tr("Mode"), this);
    ComboBox_Mode = new QComboBox(this);
    for (std::string_view mode : ModeTexts)
        ComboBox_Mode->addItem(Latin(mode));
    Label_Step->setBuddy(ComboBox_Step);
    Label_Mode->setBuddy(ComboBox_Mode);
    ComboBox_Step->setAccessibleDescription(tr("Tuning step"));
    layout->addWidget(Label_Step, 3, 0);
    layout->addWidget(ComboBox_Step, 3, 1);
    layout->addWidget(Label_Mode, 4, 0);
    layout->addWidget(ComboBox_Mode, 4, 1);

    auto* shiftBox = new QGroupBox(this);
    //: The group of repeater shift choices (Simplex, Plus Shift...), read by a screen reader.
    shiftBox->setAccessibleName(tr("Shift"));
    auto* shiftLayout = new QVBoxLayout(shiftBox);
    shiftGroup_ = new QButtonGroup(this);
    RadioButton_Split = new QRadioButton(tr("Split Channel"), shiftBox);
    RadioButton_Simplex = new QRadioButton(tr("Simplex"), shiftBox);
    RadioButton_Plus = new QRadioButton(tr("Plus Shift"), shiftBox);
    RadioButton_Minus = new QRadioButton(tr("Minus Shift"), shiftBox);
    RadioButton_Special = new QRadioButton(SpecialCaptionText(specialCaption_), shiftBox);
    for (QRadioButton* button :
         {RadioButton_Split, RadioButton_Simplex, RadioButton_Plus, RadioButton_Minus, RadioButton_Special}) {
        shiftGroup_->addButton(button);
        shiftLayout->addWidget(button);
        connect(button, &QRadioButton::clicked, this, &ChannelPanel::ShiftClicked);
    }
    RadioButton_Split->setVisible(withSplit);
    RadioButton_Simplex->setChecked(true);
    layout->addWidget(shiftBox, 0, 3, 5, 1);

    CheckBox_Reverse = new QCheckBox(tr("Reverse"), this);
    CheckBox_Reverse->setAccessibleDescription(
        tr("Receives on the transmit frequency and transmits on the receive frequency"));
    layout->addWidget(CheckBox_Reverse, 5, 3);

    //: The subaudible tone encoder (transmit only).
    CheckBox_Tone = new QCheckBox(tr("Tone"), this);
    CheckBox_Ctcss = new QCheckBox(QStringLiteral("CTCSS"), this);
    CheckBox_Dcs = new QCheckBox(QStringLiteral("DCS"), this);
    Label_ToneFrequency = new QLabel(tr("Tone Frequency"), this);
    Label_CtcssFrequency = new QLabel(tr("CTCSS Frequency"), this);
    Label_DcsCode = new QLabel(tr("DCS Code"), this);
    ComboBox_Tone = new QComboBox(this);
    ComboBox_Ctcss = new QComboBox(this);
    ComboBox_Dcs = new QComboBox(this);
    for (std::string_view tone : ToneTexts) {
        ComboBox_Tone->addItem(Latin(tone));
        ComboBox_Ctcss->addItem(Latin(tone));
    }
    for (std::string_view code : DcsCodes)
        ComboBox_Dcs->addItem(Latin(code));
    Label_ToneFrequency->setBuddy(ComboBox_Tone);
    Label_CtcssFrequency->setBuddy(ComboBox_Ctcss);
    Label_DcsCode->setBuddy(ComboBox_Dcs);
    CheckBox_Tone->setAccessibleDescription(tr("Sends a subaudible tone with every transmission"));
    CheckBox_Ctcss->setAccessibleDescription(
        tr("Continuous Tone-Coded Squelch System: sends the tone and opens the squelch only for "
           "signals that carry it"));
    CheckBox_Dcs->setAccessibleDescription(
        tr("Digital-Coded Squelch: sends the code and opens the squelch only for signals that carry it"));
    ComboBox_Tone->setAccessibleDescription(tr("The subaudible tone sent with Tone"));
    ComboBox_Ctcss->setAccessibleDescription(tr("The tone of the Continuous Tone-Coded Squelch System"));
    ComboBox_Dcs->setAccessibleDescription(tr("The code of the Digital-Coded Squelch"));
    layout->addWidget(CheckBox_Tone, 6, 0);
    layout->addWidget(CheckBox_Ctcss, 7, 0);
    layout->addWidget(CheckBox_Dcs, 8, 0);
    layout->addWidget(Label_ToneFrequency, 6, 1);
    layout->addWidget(Label_CtcssFrequency, 7, 1);
    layout->addWidget(Label_DcsCode, 8, 1);
    layout->addWidget(ComboBox_Tone, 6, 2, 1, 2);
    layout->addWidget(ComboBox_Ctcss, 7, 2, 1, 2);
    layout->addWidget(ComboBox_Dcs, 8, 2, 1, 2);
    // Each tone check box is followed by its list, as they are read.
    setTabOrder(CheckBox_Tone, ComboBox_Tone);
    setTabOrder(ComboBox_Tone, CheckBox_Ctcss);
    setTabOrder(CheckBox_Ctcss, ComboBox_Ctcss);
    setTabOrder(ComboBox_Ctcss, CheckBox_Dcs);
    setTabOrder(CheckBox_Dcs, ComboBox_Dcs);
    for (QCheckBox* box : {CheckBox_Tone, CheckBox_Ctcss, CheckBox_Dcs})
        connect(box, &QCheckBox::clicked, this, [this, box](bool checked) { ToneClicked(box, checked); });

    for (QLineEdit* edit : {static_cast<QLineEdit*>(Edit_Rx), static_cast<QLineEdit*>(Edit_Tx),
                            static_cast<QLineEdit*>(Edit_Offset)})
        connect(edit, &QLineEdit::textChanged, this, &ChannelPanel::Edited);
    for (FrequencyEdit* edit : {Edit_Rx, Edit_Tx, Edit_Offset})
        connect(edit, &FrequencyEdit::EnterPressed, this, &ChannelPanel::EnterPressed);
    for (QComboBox* list : {ComboBox_Step, ComboBox_Tone, ComboBox_Ctcss, ComboBox_Dcs})
        connect(list, &QComboBox::currentIndexChanged, this, &ChannelPanel::Edited);
    connect(ComboBox_Mode, &QComboBox::currentIndexChanged, this, [this]() {
        UpdateToneControls();
        Edited();
    });
    connect(CheckBox_Reverse, &QCheckBox::toggled, this, &ChannelPanel::Edited);

    ApplyShiftLayout();
    UpdateToneControls();
}

ChannelControls ChannelPanel::Read() const
{
    ChannelControls c;
    c.rxText = Edit_Rx->text().toStdString();
    c.txText = Edit_Tx->text().toStdString();
    c.offsetText = Edit_Offset->text().toStdString();
    c.step = ComboBox_Step->currentIndex();
    c.mode = ComboBox_Mode->currentIndex();
    c.shift = SelectedShift();
    c.reverse = CheckBox_Reverse->isChecked();
    c.tone = CheckBox_Tone->isChecked();
    c.ctcss = CheckBox_Ctcss->isChecked();
    c.dcs = CheckBox_Dcs->isChecked();
    c.toneIndex = ComboBox_Tone->currentIndex();
    c.ctcssIndex = ComboBox_Ctcss->currentIndex();
    c.dcsIndex = ComboBox_Dcs->currentIndex();
    if (!RadioButton_Special->isHidden()) c.specialCaption = specialCaption_;
    return c;
}

void ChannelPanel::Write(const ChannelControls& c)
{
    filling_ = true;
    Edit_Rx->setText(QString::fromStdString(c.rxText));
    Edit_Tx->setText(QString::fromStdString(c.txText));
    Edit_Offset->setText(QString::fromStdString(c.offsetText));
    SetStep(c.step);
    SetMode(c.mode);
    SetSpecialCaption(c.specialCaption);
    SelectShift(c.shift);
    CheckBox_Reverse->setChecked(c.reverse);
    CheckBox_Tone->setChecked(c.tone);
    CheckBox_Ctcss->setChecked(c.ctcss);
    CheckBox_Dcs->setChecked(c.dcs);
    ComboBox_Tone->setCurrentIndex(c.toneIndex);
    ComboBox_Ctcss->setCurrentIndex(c.ctcssIndex);
    ComboBox_Dcs->setCurrentIndex(c.dcsIndex);
    UpdateToneControls();
    filling_ = false;
}

void ChannelPanel::ApplyAccepted(const AcceptedEntries& a, bool showRoundedMessage)
{
    SetStep(a.step);
    SetMode(a.mode);
    Edit_Rx->setText(QString::fromStdString(a.rxText));
    if (withSplit_) {
        if (a.shift != SelectedShift()) SelectShift(a.shift);
        Edit_Tx->setText(QString::fromStdString(a.txText));
    }
    if (showRoundedMessage && a.rounded) ShowMessage(MessageKind::Information, Msg::FrequencyRounded);
    Edit_Offset->setText(QString::fromStdString(a.offsetText));
    UpdateToneControls();
}

void ChannelPanel::SetSpecialCaption(const std::optional<std::string>& caption)
{
    if (caption) {
        // The rules' caption (English) goes back to them; the button shows
        // it in the program's language.
        specialCaption_ = *caption;
        RadioButton_Special->setText(SpecialCaptionText(*caption));
        RadioButton_Special->setVisible(true);
        RadioButton_Special->setEnabled(true);
    } else {
        RadioButton_Special->setVisible(false);
    }
}

void ChannelPanel::SetStep(int step)
{
    ComboBox_Step->setCurrentIndex(std::clamp(step, 0, ComboBox_Step->count() - 1));
}

void ChannelPanel::SetMode(int mode)
{
    ComboBox_Mode->setCurrentIndex(std::clamp(mode, 0, ComboBox_Mode->count() - 1));
}

void ChannelPanel::SelectShift(ShiftChoice shift)
{
    QRadioButton* button = RadioButton_Simplex;
    switch (shift) {
    case ShiftChoice::Split:
        button = withSplit_ ? RadioButton_Split : RadioButton_Simplex;
        break;
    case ShiftChoice::Plus:
        button = RadioButton_Plus;
        break;
    case ShiftChoice::Minus:
        button = RadioButton_Minus;
        break;
    case ShiftChoice::Special:
        button = RadioButton_Special;
        break;
    case ShiftChoice::Simplex:
        break;
    }
    button->setChecked(true);
    ShiftClicked();
}

ShiftChoice ChannelPanel::SelectedShift() const
{
    if (RadioButton_Split->isChecked()) return ShiftChoice::Split;
    if (RadioButton_Plus->isChecked()) return ShiftChoice::Plus;
    if (RadioButton_Minus->isChecked()) return ShiftChoice::Minus;
    if (RadioButton_Special->isChecked()) return ShiftChoice::Special;
    return ShiftChoice::Simplex;
}

void ChannelPanel::UpdateToneControls()
{
    const bool enabled = ToneControlsEnabled(ComboBox_Mode->currentIndex());
    for (QWidget* w : std::initializer_list<QWidget*>{
             CheckBox_Tone, CheckBox_Ctcss, CheckBox_Dcs, Label_ToneFrequency, Label_CtcssFrequency,
             Label_DcsCode, ComboBox_Tone, ComboBox_Ctcss, ComboBox_Dcs})
        w->setEnabled(enabled);
}

void ChannelPanel::ShiftClicked()
{
    ApplyShiftLayout();
    Edited();
}

void ChannelPanel::ApplyShiftLayout()
{
    // Split shows the transmit frequency in place of the offset and has no
    // reverse; every other shift the opposite.
    const bool split = withSplit_ && RadioButton_Split->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{Label_Tx, Edit_Tx, Label_TxMHz})
        w->setVisible(split);
    for (QWidget* w : std::initializer_list<QWidget*>{Label_Offset, Edit_Offset, Label_OffsetMHz})
        w->setVisible(!split);
    if (split && !filling_) CheckBox_Reverse->setChecked(false);
    CheckBox_Reverse->setEnabled(!split);
}

void ChannelPanel::ToneClicked(QCheckBox* box, bool checked)
{
    if (checked) {
        for (QCheckBox* other : {CheckBox_Tone, CheckBox_Ctcss, CheckBox_Dcs})
            if (other != box) other->setChecked(false);
    }
    Edited();
}

void ChannelPanel::MarkRefused(EntryError error, const QString& message)
{
    // The receive box is checked first; when it holds a frequency, the
    // transmit box was the one refused.
    FrequencyEdit* box = Edit_Offset;
    if (error == EntryError::InvalidFrequency) {
        std::string rx = Edit_Rx->text().toStdString();
        box = NormalizeFrequencyText(rx) && !Edit_Tx->isHidden() ? Edit_Tx : Edit_Rx;
    }
    MarkRefusedEntry(box, message);
}

void ChannelPanel::Edited()
{
    if (!filling_) emit Changed();
}

// ---- Helpers -----------------------------------------------------------------

void ShowEntryError(EntryError error, ChannelPanel& panel)
{
    if (error == EntryError::None) return;
    const QString& message = error == EntryError::InvalidOffset ? Msg::InvalidOffset : Msg::InvalidFrequency;
    ShowMessage(MessageKind::Information, message);
    panel.MarkRefused(error, message);
}

void AssignPanelHelpContexts(ChannelPanel& p)
{
    const std::pair<QObject*, int> contexts[] = {
        {p.Edit_Rx, 505},
        {p.Edit_Tx, 505},
        {p.ComboBox_Step, 510},
        {p.Edit_Offset, 515},
        {p.CheckBox_Reverse, 520},
        {p.RadioButton_Split, 525},
        {p.RadioButton_Simplex, 525},
        {p.RadioButton_Plus, 525},
        {p.RadioButton_Minus, 525},
        {p.RadioButton_Special, 525},
        {p.CheckBox_Tone, 530},
        {p.CheckBox_Ctcss, 530},
        {p.CheckBox_Dcs, 530},
        {p.ComboBox_Tone, 535},
        {p.ComboBox_Ctcss, 535},
        {p.ComboBox_Dcs, 535},
        {p.ComboBox_Mode, 550},
    };
    for (const auto& [target, context] : contexts)
        SetHelpContext(target, context);
}

void InstallEditorHelpKey(QDialog& dialog)
{
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
    QObject::connect(help, &QShortcut::activated, &dialog, [] { ShowFocusedControlHelp(); });
}
