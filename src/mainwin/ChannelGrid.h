// The grid of the main window's "Memor&y" page: whole rows selected one at a
// time, a fixed first column that is never drawn highlighted, and a height
// counted in rows, so that the grid starts with the rows the page was drawn
// for and shows more when the window grows. For a screen reader each row is
// headed by its channel label, each cell says "empty" rather than nothing,
// and every cell of a row carries the row's status texts as its description.
#pragma once

#include <QTableWidget>
#include <QTableWidgetItem>

#include <functional>

class ChannelGrid : public QTableWidget
{
    Q_OBJECT

  public:
    ChannelGrid(int columns, QWidget* parent);

    // The grid starts with, and never shows fewer than, its heading and
    // `rows` rows of `rowHeight`; it grows up to all its rows, or without
    // limit when `growsPastLastRow`.
    void SetHeightInRows(int rows, int rowHeight, bool growsPastLastRow);

    QSize sizeHint() const override;

    // The texts of `column` (the channel labels) become the row headings that
    // assistive technology reads; the grid shows no row heading itself.
    void UseColumnAsRowHeadings(int column);
    // What a screen reader says for a cell: SpeakCell's text where it gives
    // one, else the cell's own text, or "empty".
    std::function<QString(int row, int column)> SpeakCell;
    QString SpokenCell(int row, int column, const QString& shown) const;
    // The description of every cell of a row (the row's status texts).
    std::function<QString(int row)> DescribeRow;

  protected:
    // The current row is the one the commands act on: it is always the
    // selected row, also when the keyboard focus set it without selecting.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // Every move of the current row selects that row; none deselects it.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    // The keyboard enters a grid without a current cell on its first row's
    // label, which says what the row is, rather than on the mark column.
    void focusInEvent(QFocusEvent* event) override;
};

// A cell of a ChannelGrid: its text, and what the grid says of it to a
// screen reader.
class ChannelGridItem : public QTableWidgetItem
{
  public:
    explicit ChannelGridItem(const QString& text) : QTableWidgetItem(text) {}
    QVariant data(int role) const override;
    QTableWidgetItem* clone() const override { return new ChannelGridItem(*this); }
};
