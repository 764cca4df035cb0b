// What the main window gives screen readers and keyboard users: names and
// descriptions of its pages, grids and grid headings, each grid row's status
// texts in words as the description of its cells, the grids' pop-up menus at
// the current cell, and Undo and Redo that say which step they took back.
#include "mainwin/MainWindow.h"
#include "model/ShownTexts.h"

#include "model/FieldTexts.h"
#include "ui/Announcement.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include <vector>

namespace {

struct Heading
{
    QString name;        // what a screen reader says; empty: the heading as shown
    QString description; // the abbreviation in words
};

void NameHeadings(QTableWidget* grid, const std::vector<Heading>& headings)
{
    for (int column = 0; column < grid->columnCount() && column < static_cast<int>(headings.size());
         ++column) {
        QTableWidgetItem* heading = grid->horizontalHeaderItem(column);
        if (!heading) {
            heading = new QTableWidgetItem;
            grid->setHorizontalHeaderItem(column, heading);
        }
        const Heading& words = headings[static_cast<std::size_t>(column)];
        heading->setData(Qt::AccessibleTextRole,
                         words.name.isEmpty() ? heading->text().trimmed() : words.name);
        heading->setData(Qt::AccessibleDescriptionRole, words.description);
    }
}

} // namespace

void MainWindow::DescribeForScreenReaders()
{
    pages_->setAccessibleName(tr("Pages"));
    // The toolbar's ">>" button, shown when the window is too narrow for it.
    if (auto* more = toolBar_->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More toolbar commands"));
    commentEdit_->setAccessibleDescription(tr("Your note, kept in the data file; up to 50 characters"));

    const QString keys = tr("Enter or F2 opens the editor of the current row; Shift+F10 or the Menu key "
                            "opens its edit commands");
    const QString frequency = tr("Receive frequency in MHz, which is also the transmit frequency unless the "
                                 "channel has a shift or a transmit frequency of its own");
    const struct
    {
        GridId id;
        QString name;
        QString description;
        std::vector<Heading> headings;
    } grids[] = {
        {GridId::Memory,
         tr("Memory channels"),
         keys,
         {{tr("Lockout"), tr("An asterisk marks a channel that scanning skips")},
          {QString(), tr("Channel number")},
          {QString(), frequency},
          {}}},
        {GridId::Vfo,
         tr("VFO"),
         tr("Variable frequency oscillator: the frequency of each band outside the memory channels. ") + keys,
         {{}, {}, {QString(), tr("Frequency in MHz")}}},
        {GridId::Call, tr("CALL channels"), keys, {{}, {}, {QString(), frequency}}},
        {GridId::Dtmf,
         tr("DTMF memories"),
         tr("Dual-tone multi-frequency memories. ") + keys,
         {{}, {QString(), tr("DTMF memory number")}, {QString(), tr("The digits the radio sends as tones")}}},
    };
    for (const auto& grid : grids) {
        auto* view = static_cast<ChannelGrid*>(Grid(grid.id));
        view->setAccessibleName(grid.name);
        view->setAccessibleDescription(grid.description);
        NameHeadings(view, grid.headings);
        const GridId id = grid.id;
        view->DescribeRow = [this, id](int row) { return SpokenStatus(id, row + 1); };
    }
    // The band labels as the row headings say them: "A_144MHz" as "A 144MHz".
    for (GridId id : {GridId::Vfo, GridId::Call}) {
        static_cast<ChannelGrid*>(Grid(id))->SpeakCell = [this, id](int row, int column) {
            return column == 1 ? GridCell(id, 1, row + 1).replace(QLatin1Char('_'), QLatin1Char(' '))
                               : QString();
        };
    }
    // The mark column: a channel is locked out or not; an empty row is empty.
    memoryGrid_->SpeakCell = [this](int row, int column) {
        if (column != 0 || Image().GetMemoryRecord(row).empty()) return QString();
        return GridCell(GridId::Memory, 0, row + 1).isEmpty() ? tr("not locked out") : tr("locked out");
    };
}

QString MainWindow::SpokenStatus(GridId id, int row) const
{
    const StatusTexts texts = RowStatusTexts(id, row);
    const char market = Market();
    QStringList parts;
    // Panels 1 and 4 are words already ("Offset : 0.600MHz", "Programmable
    // VFO : 144-147", "Name : ..."); the shift and tone panels are signs and
    // codes.
    const auto add = [&parts](const QString& part) {
        if (!part.trimmed().isEmpty()) parts << part.trimmed();
    };
    add(ShownStatusText(MarketToQString(texts.panel[0], market)));
    QString shift = MarketToQString(texts.panel[1], market);
    const bool reverse = shift.endsWith(QStringLiteral(" R"));
    if (reverse) shift.chop(2);
    if (shift == QStringLiteral("+"))
        add(tr("plus shift"));
    else if (shift == QStringLiteral("-"))
        add(tr("minus shift"));
    else if (shift == QStringLiteral("+-"))
        add(tr("own transmit frequency"));
    else if (!shift.isEmpty())
        add(tr("shift %1 MHz").arg(shift));
    if (reverse) add(tr("reverse"));
    const QString tone = MarketToQString(texts.panel[2], market);
    const QString value = tone.section(QStringLiteral(" : "), 1);
    if (tone.startsWith(QStringLiteral("DCS : ")))
        add(tr("DCS code %1").arg(value));
    else if (tone.startsWith(QStringLiteral("CT : ")))
        add(tr("CTCSS tone %1").arg(value));
    else if (tone.startsWith(QStringLiteral("T : ")))
        add(tr("tone %1").arg(value));
    add(ShownStatusText(MarketToQString(texts.panel[3], market)));
    return parts.join(QStringLiteral(", "));
}

void MainWindow::ShowGridPopup(GridId id)
{
    QMenu* popups[] = {nullptr, memoryPopup_, vfoPopup_, callPopup_, dtmfPopup_};
    QMenu* popup = popups[static_cast<int>(id)];
    QTableWidget* grid = Grid(id);
    if (!popup || !grid || popup->isVisible()) return;
    // At the current cell, as a right click there would open it.
    const QModelIndex current = grid->currentIndex();
    if (current.isValid()) grid->scrollTo(current);
    const QRect cell = current.isValid() ? grid->visualRect(current) : QRect();
    popup->popup(grid->viewport()->mapToGlobal(cell.isValid() ? cell.bottomLeft() : QPoint(0, 0)));
}

void MainWindow::UndoOrRedo(bool redo)
{
    QUndoStack& stack = document_.UndoStack();
    if (redo ? !stack.canRedo() : !stack.canUndo()) return;
    const QString step = redo ? stack.redoText() : stack.undoText();
    if (redo)
        stack.redo();
    else
        stack.undo();
    QWidget* on = QApplication::focusWidget();
    AnnounceToScreenReader(redo ? tr("Redo %1").arg(step) : tr("Undo %1").arg(step), on ? on : this);
}
