// One table row per differing field; the slot is named on its first row.
#include "link/CompareDialog.h"

#include "model/CoreMessages.h"
#include "ui/QtText.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

ComparePresenter& ThePresenter()
{
    static ComparePresenter presenter;
    return presenter;
}

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString Shown(const FieldDifference& field, const std::string& bytes, char market)
{
    //: A field that shows nothing (an empty channel's frequency, a blank name).
    if (bytes.empty()) return CompareDialog::tr("(none)");
    QString text = MarketToQString(bytes, market);
    if (field.field != OffsetOrTxField) return text;
    // The status bar's words before the value, which keeps the radio's notation.
    static const char* const words[] = {
        //: As the status bar says it; a transmit frequency follows ("438.000MHz").
        QT_TRANSLATE_NOOP("CompareDialog", "Tx Frequency : "),
        //: As the status bar says it; an offset follows ("0.60MHz").
        QT_TRANSLATE_NOOP("CompareDialog", "Offset : "),
    };
    for (const char* word : words) {
        const QLatin1String english(word);
        if (text.startsWith(english))
            return QCoreApplication::translate("CompareDialog", word) + text.mid(english.size());
    }
    return text;
}

// The field's name: a menu setting's name, or one of the comparison's own.
QString FieldName(const RecordDifference& record, const FieldDifference& field)
{
    const char* context = record.slot.kind == RecordSlotKind::Menu ? "MenuTexts" : "ImageDiff";
    return QCoreApplication::translate(context, field.field.c_str());
}

} // namespace

CompareDialog::CompareDialog(const ImageDifferences& differences, const QString& message, QWidget* parent)
    : QDialog(parent), empty_(differences.Empty())
{
    setWindowTitle(QCoreApplication::translate("CompareDialog", CompareText::Caption));
    setModal(true);

    QString text = message;
    if (text.isEmpty()) {
        const auto count = static_cast<int>(differences.records.size());
        text = empty_       ? QCoreApplication::translate("CompareDialog", CompareText::NoDifference)
               : count == 1 ? tr("1 record differs.")
                            : tr("%n records differ.", nullptr, count);
        if (differences.versionDiffers)
            //: %1: how many records differ ("3 records differ."), or that none does.
            text = tr("%1 The radio is of another version than the window's data.").arg(text);
    }
    message_ = new QLabel(text, this);
    message_->setWordWrap(true);

    table_ = new QTableWidget(0, 4, this);
    table_->setAccessibleName(tr("Differences"));
    table_->setAccessibleDescription(text);
    table_->setHorizontalHeaderLabels({
        //: Column: where the difference is ("Memory 005", "Menu").
        tr("Slot"),
        //: Column: which field of the slot differs.
        tr("Field"),
        //: Column: what the radio holds.
        tr("Radio"),
        //: Column: what the program's window holds.
        tr("Window"),
    });
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes on to the buttons; the arrow keys move among the cells.
    table_->setTabKeyNavigation(false);
    const auto addRow = [this](const QString& slot, const QString& field, const QString& a,
                               const QString& b) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        table_->setItem(row, 0, Cell(slot));
        table_->setItem(row, 1, Cell(field));
        table_->setItem(row, 2, Cell(a));
        table_->setItem(row, 3, Cell(b));
    };
    if (differences.versionDiffers)
        //: The row of the radio's version (type code and model).
        addRow(tr("Version"), QString(), QString::fromStdString(differences.versionA),
               QString::fromStdString(differences.versionB));
    for (const RecordDifference& record : differences.records) {
        bool first = true;
        for (const FieldDifference& field : record.fields) {
            addRow(first ? MessageText(PlaceOfSlot(record.slot, differences.marketB)) : QString(),
                   FieldName(record, field), Shown(field, field.a, differences.marketA),
                   Shown(field, field.b, differences.marketB));
            first = false;
        }
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setMinimumSize(560, 300);

    write_ = new QPushButton(tr("&Write These Changes"), this);
    take_ = new QPushButton(tr("&Take Radio's Values"), this);
    close_ = new QPushButton(tr("Close"), this);
    close_->setDefault(true);
    for (QPushButton* button : {write_, take_})
        button->setAutoDefault(false);
    connect(write_, &QPushButton::clicked, this, [this] { Choose(Choice::WriteChanges); });
    connect(take_, &QPushButton::clicked, this, [this] { Choose(Choice::TakeRadioValues); });
    connect(close_, &QPushButton::clicked, this, [this] { Choose(Choice::Close); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(write_);
    buttons->addWidget(take_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    OfferActions(true, true);
}

void CompareDialog::OfferActions(bool write, bool take)
{
    write_->setVisible(write && !empty_);
    take_->setVisible(take && !empty_);
}

void CompareDialog::Choose(Choice choice)
{
    chosen_ = choice;
    if (choice == Choice::Close)
        reject();
    else
        accept();
}

QStringList CompareDialog::RowTexts() const
{
    QStringList rows;
    for (int row = 0; row < table_->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table_->columnCount(); ++column)
            cells << table_->item(row, column)->text();
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows;
}

CompareDialog::Choice ShowCompareDialog(CompareDialog& dialog)
{
    if (ThePresenter()) return ThePresenter()(dialog);
    dialog.exec();
    return dialog.Chosen();
}

ComparePresenter SetComparePresenter(ComparePresenter presenter)
{
    ComparePresenter previous = std::move(ThePresenter());
    ThePresenter() = std::move(presenter);
    return previous;
}
