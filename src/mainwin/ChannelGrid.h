// The grid of the main window's "Memor&y" page: whole rows selected one at a
// time, a fixed first column that is never drawn highlighted, and a height
// counted in rows, so that the grid starts with the rows the page was drawn
// for and shows more when the window grows.
#pragma once

#include <QTableWidget>

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

  protected:
    // The current row is the one the commands act on: it is always the
    // selected row, also when the keyboard focus set it without selecting.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // Every move of the current row selects that row; none deselects it.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
};
