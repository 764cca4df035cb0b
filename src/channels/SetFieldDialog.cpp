// The Set Field for Selection dialog.
#include "channels/SetFieldDialog.h"

#include "channels/ChannelTexts.h"
#include "model/FieldTexts.h"
#include "ui/Accessibility.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

enum Field { FieldTone, FieldDcs, FieldMode, FieldStep, FieldShift, FieldLockout };

QString Latin(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Texts> QComboBox* ListOf(const Texts& texts)
{
    auto* list = new QComboBox;
    for (const auto& text : texts)
        list->addItem(Latin(text));
    return list;
}

CellValue Value(ChannelColumn column, const QString& text)
{
    return CellValue{column, text.toStdString()};
}

// A list of cell values shown in the program's language; each entry keeps
// the English value that the cells take.
QComboBox* ValueListOf(std::initializer_list<std::string_view> values)
{
    auto* list = new QComboBox;
    for (const std::string_view value : values)
        list->addItem(ChannelValueText(value), Latin(value));
    return list;
}

} // namespace

SetFieldDialog::SetFieldDialog(QWidget* parent) : QDialog(parent)
{
    InstallAccessibleInterfaces();
    setWindowTitle(tr("Set Field for Selection"));
    fieldList_ = new QComboBox;
    //: The fields the dialog sets: the tone encoder, DCS, modulation, tuning step, repeater shift,
    //: scan lock out
    fieldList_->addItems(
        {tr("Tone"), QStringLiteral("DCS"), tr("Mode"), tr("Step"), tr("Shift"), tr("Lock out")});
    toneModeList_ = ValueListOf({NoToneText, ToneWordText, "CTCSS"});
    toneList_ = ListOf(ToneTexts);
    toneList_->setCurrentIndex(8);
    dcsList_ = ListOf(DcsCodes);
    modeList_ = ListOf(ModeTexts);
    std::vector<std::string_view> steps;
    for (const StepCode& step : StepCodes)
        steps.push_back(step.text);
    stepList_ = ListOf(steps);
    shiftList_ = ValueListOf({SimplexText, "+", "-", SplitText});
    offsetEdit_ = new QLineEdit(QStringLiteral("0.60"));
    offsetEdit_->setMaxLength(11);
    offsetEdit_->setEnabled(false);
    toneModeList_->setAccessibleDescription(
        tr("No tone, a subaudible tone, or the Continuous Tone-Coded Squelch System"));
    dcsList_->setAccessibleDescription(tr("The code of the Digital-Coded Squelch"));
    lockoutList_ = new QComboBox;
    //: Lock out set or cleared
    lockoutList_->addItems({tr("On"), tr("Off")});

    pages_ = new QStackedWidget;
    auto addPage = [this](std::initializer_list<std::pair<QString, QWidget*>> rows) {
        auto* page = new QWidget;
        auto* form = new QFormLayout(page);
        form->setContentsMargins(0, 0, 0, 0);
        for (const auto& [label, widget] : rows)
            form->addRow(label, widget);
        pages_->addWidget(page);
    };
    addPage({{tr("Tone mode"), toneModeList_}, {tr("Tone (Hz)"), toneList_}});
    addPage({{tr("DCS code"), dcsList_}});
    addPage({{tr("Mode"), modeList_}});
    addPage({{tr("Step"), stepList_}});
    addPage({{tr("Shift"), shiftList_}, {tr("Offset (MHz)"), offsetEdit_}});
    addPage({{tr("Lock out"), lockoutList_}});
    connect(fieldList_, &QComboBox::currentIndexChanged, pages_, &QStackedWidget::setCurrentIndex);
    connect(shiftList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { offsetEdit_->setEnabled(index == 1 || index == 2); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    top->addRow(tr("Field"), fieldList_);
    layout->addLayout(top);
    layout->addWidget(pages_);
    layout->addWidget(new QLabel(tr("Channels that cannot take the value are left as they are.")));
    layout->addWidget(buttons);
}

SetFieldChoice SetFieldDialog::Choice() const
{
    SetFieldChoice choice;
    switch (fieldList_->currentIndex()) {
    case FieldTone:
        // The step's name ("Set No Tone on 3 channels") in the program's
        // language, the values in the cells' English.
        choice.what = toneModeList_->currentIndex() == 0   ? tr("No Tone")
                      : toneModeList_->currentIndex() == 1 ? tr("Tone")
                                                           : toneModeList_->currentData().toString();
        choice.values.push_back(Value(ChannelColumn::ToneMode, toneModeList_->currentData().toString()));
        if (toneModeList_->currentIndex() != 0)
            choice.values.push_back(Value(ChannelColumn::Tone, toneList_->currentText()));
        break;
    case FieldDcs:
        choice.what = QStringLiteral("DCS");
        choice.values = {Value(ChannelColumn::ToneMode, QStringLiteral("DCS")),
                         Value(ChannelColumn::Tone, dcsList_->currentText())};
        break;
    case FieldMode:
        choice.what = tr("Mode");
        choice.values = {Value(ChannelColumn::Mode, modeList_->currentText())};
        break;
    case FieldStep:
        choice.what = tr("Step");
        choice.values = {Value(ChannelColumn::Step, stepList_->currentText())};
        break;
    case FieldShift:
        choice.what = tr("Shift");
        choice.values = {Value(ChannelColumn::Shift, shiftList_->currentData().toString())};
        if (offsetEdit_->isEnabled())
            choice.values.push_back(Value(ChannelColumn::OffsetOrTx, offsetEdit_->text().trimmed()));
        break;
    default:
        //: Undo step: "Set Lock Out on 3 channels"
        choice.what = tr("Lock Out");
        choice.values = {Value(ChannelColumn::Lockout, lockoutList_->currentIndex() == 0
                                                           ? QString::fromLatin1(CheckedText.data(), 1)
                                                           : QString::fromLatin1(UncheckedText.data(), 1))};
        break;
    }
    return choice;
}
