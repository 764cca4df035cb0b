// The Set Field for Selection dialog.
#include "channels/SetFieldDialog.h"

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

} // namespace

SetFieldDialog::SetFieldDialog(QWidget* parent) : QDialog(parent)
{
    InstallAccessibleInterfaces();
    setWindowTitle(QStringLiteral("Set Field for Selection"));
    fieldList_ = new QComboBox;
    fieldList_->addItems({QStringLiteral("Tone"), QStringLiteral("DCS"), QStringLiteral("Mode"),
                          QStringLiteral("Step"), QStringLiteral("Shift"), QStringLiteral("Lock out")});
    toneModeList_ = new QComboBox;
    toneModeList_->addItems({Latin(NoToneText), QStringLiteral("Tone"), QStringLiteral("CTCSS")});
    toneList_ = ListOf(ToneTexts);
    toneList_->setCurrentIndex(8);
    dcsList_ = ListOf(DcsCodes);
    modeList_ = ListOf(ModeTexts);
    std::vector<std::string_view> steps;
    for (const StepCode& step : StepCodes)
        steps.push_back(step.text);
    stepList_ = ListOf(steps);
    shiftList_ = new QComboBox;
    shiftList_->addItems({Latin(SimplexText), QStringLiteral("+"), QStringLiteral("-"), Latin(SplitText)});
    offsetEdit_ = new QLineEdit(QStringLiteral("0.60"));
    offsetEdit_->setMaxLength(11);
    offsetEdit_->setEnabled(false);
    toneModeList_->setAccessibleDescription(
        tr("No tone, a subaudible tone, or the Continuous Tone-Coded Squelch System"));
    dcsList_->setAccessibleDescription(tr("The code of the Digital-Coded Squelch"));
    lockoutList_ = new QComboBox;
    lockoutList_->addItems({QStringLiteral("On"), QStringLiteral("Off")});

    pages_ = new QStackedWidget;
    auto addPage = [this](std::initializer_list<std::pair<QString, QWidget*>> rows) {
        auto* page = new QWidget;
        auto* form = new QFormLayout(page);
        form->setContentsMargins(0, 0, 0, 0);
        for (const auto& [label, widget] : rows)
            form->addRow(label, widget);
        pages_->addWidget(page);
    };
    addPage({{QStringLiteral("Tone mode"), toneModeList_}, {QStringLiteral("Tone (Hz)"), toneList_}});
    addPage({{QStringLiteral("DCS code"), dcsList_}});
    addPage({{QStringLiteral("Mode"), modeList_}});
    addPage({{QStringLiteral("Step"), stepList_}});
    addPage({{QStringLiteral("Shift"), shiftList_}, {QStringLiteral("Offset (MHz)"), offsetEdit_}});
    addPage({{QStringLiteral("Lock out"), lockoutList_}});
    connect(fieldList_, &QComboBox::currentIndexChanged, pages_, &QStackedWidget::setCurrentIndex);
    connect(shiftList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { offsetEdit_->setEnabled(index == 1 || index == 2); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Field"), fieldList_);
    layout->addLayout(top);
    layout->addWidget(pages_);
    layout->addWidget(
        new QLabel(QStringLiteral("Channels that cannot take the value are left as they are.")));
    layout->addWidget(buttons);
}

SetFieldChoice SetFieldDialog::Choice() const
{
    SetFieldChoice choice;
    switch (fieldList_->currentIndex()) {
    case FieldTone:
        choice.what =
            toneModeList_->currentIndex() == 0 ? QStringLiteral("No Tone") : toneModeList_->currentText();
        choice.values.push_back(Value(ChannelColumn::ToneMode, toneModeList_->currentText()));
        if (toneModeList_->currentIndex() != 0)
            choice.values.push_back(Value(ChannelColumn::Tone, toneList_->currentText()));
        break;
    case FieldDcs:
        choice.what = QStringLiteral("DCS");
        choice.values = {Value(ChannelColumn::ToneMode, QStringLiteral("DCS")),
                         Value(ChannelColumn::Tone, dcsList_->currentText())};
        break;
    case FieldMode:
        choice.what = QStringLiteral("Mode");
        choice.values = {Value(ChannelColumn::Mode, modeList_->currentText())};
        break;
    case FieldStep:
        choice.what = QStringLiteral("Step");
        choice.values = {Value(ChannelColumn::Step, stepList_->currentText())};
        break;
    case FieldShift:
        choice.what = QStringLiteral("Shift");
        choice.values = {Value(ChannelColumn::Shift, shiftList_->currentText())};
        if (offsetEdit_->isEnabled())
            choice.values.push_back(Value(ChannelColumn::OffsetOrTx, offsetEdit_->text().trimmed()));
        break;
    default:
        choice.what = QStringLiteral("Lock Out");
        choice.values = {Value(ChannelColumn::Lockout, lockoutList_->currentIndex() == 0
                                                           ? QString::fromLatin1(CheckedText.data(), 1)
                                                           : QString::fromLatin1(UncheckedText.data(), 1))};
        break;
    }
    return choice;
}
