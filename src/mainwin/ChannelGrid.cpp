// The channel grid of the main window.
#include "mainwin/ChannelGrid.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// The first column holds the lockout mark: it belongs to the selected row but
// is drawn as a fixed column, without highlight or focus frame.
class FixedColumnDelegate : public QStyledItemDelegate
{
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    }
};

} // namespace

ChannelGrid::ChannelGrid(int columns, QWidget* parent) : QTableWidget(0, columns, parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegateForColumn(0, new FixedColumnDelegate(this));
}

void ChannelGrid::SetHeightInRows(int rows, int rowHeight, bool growsPastLastRow)
{
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight + 2);
    const int chrome = horizontalHeader()->height() + 2 * frameWidth();
    setMinimumHeight(chrome + rowHeight * rows);
    setMaximumHeight(growsPastLastRow ? QWIDGETSIZE_MAX : chrome + rowHeight * std::max(rows, rowCount()));
    updateGeometry();
}

QSize ChannelGrid::sizeHint() const
{
    return {QTableWidget::sizeHint().width(), minimumHeight()};
}

void ChannelGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableWidget::currentChanged(current, previous);
    // Tab or a group box's mnemonic makes the first row current without
    // selecting it.
    if (current.isValid() && !selectionModel()->isRowSelected(current.row(), current.parent()))
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QItemSelectionModel::SelectionFlags ChannelGrid::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const
{
    const QItemSelectionModel::SelectionFlags command = QTableWidget::selectionCommand(index, event);
    // With Ctrl held, a single-selection view deselects a row that is already
    // selected (Ctrl+Home on the first row), leaving the commands a row that
    // is not shown.
    if (command & QItemSelectionModel::Deselect)
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return command;
}

void ChannelGrid::focusInEvent(QFocusEvent* event)
{
    if (!currentIndex().isValid() && event->reason() != Qt::MouseFocusReason && rowCount() > 0 &&
        columnCount() > 1)
        setCurrentCell(0, 1);
    QTableWidget::focusInEvent(event);
}

void ChannelGrid::UseColumnAsRowHeadings(int column)
{
    QStringList labels;
    for (int row = 0; row < rowCount(); ++row) {
        const QTableWidgetItem* label = item(row, column);
        // "A_144MHz" is said "A 144MHz".
        labels << (label ? label->text().replace(QLatin1Char('_'), QLatin1Char(' ')) : QString());
    }
    setVerticalHeaderLabels(labels);
}

QString ChannelGrid::SpokenCell(int row, int column, const QString& shown) const
{
    if (SpeakCell) {
        const QString spoken = SpeakCell(row, column);
        if (!spoken.isEmpty()) return spoken;
    }
    const QString trimmed = shown.trimmed();
    return trimmed.isEmpty() ? tr("empty") : trimmed;
}

QVariant ChannelGridItem::data(int role) const
{
    if (role == Qt::AccessibleTextRole || role == Qt::AccessibleDescriptionRole) {
        if (const auto* grid = qobject_cast<const ChannelGrid*>(tableWidget())) {
            if (role == Qt::AccessibleTextRole) return grid->SpokenCell(row(), column(), text());
            return grid->DescribeRow ? grid->DescribeRow(row()) : QString();
        }
    }
    return QTableWidgetItem::data(role);
}
