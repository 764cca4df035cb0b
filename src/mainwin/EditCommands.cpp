// The edit commands of the main window: Cut, Copy, Paste, Delete and Lock Out
// on the selected row of the active grid, the enabled state of those commands
// in the Edit menu, the toolbar and the grids' pop-up menus, the right-button
// row selection, and the memory sort command. The rules themselves are in
// PasteRules; this file maps grid rows to slots and wires the controls.
#include "mainwin/Clipboard.h"
#include "mainwin/Main.h"
#include "mainwin/PasteRules.h"
#include "mainwin/Sort.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>

#include <functional>

namespace {

// Watches a grid's cells and heading for the right mouse button, so that the
// row under the pointer is selected before the grid's pop-up menu opens. The
// press itself goes on to the grid.
class TRightButtonWatcher : public QObject
{
  public:
    TRightButtonWatcher(QObject* parent, std::function<void(QObject*, QPoint)> onPress)
        : QObject(parent), onPress_(std::move(onPress))
    {
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) onPress_(watched, mouse->position().toPoint());
        }
        return false;
    }

  private:
    std::function<void(QObject*, QPoint)> onPress_;
};

} // namespace

EditTarget TMainForm::ActiveEditTarget() const
{
    const GridId id = ActiveGrid();
    const int row = SelectedRow(id);
    EditTarget target{static_cast<EditGrid>(static_cast<int>(id)), -1};
    if (row < 1) return target; // a grid without a selected row names no slot
    switch (id) {
    case GridId::Memory:
    case GridId::Dtmf:
        target.slot = row - 1;
        break;
    case GridId::Vfo:
        target.slot = VfoBandOfRow(row);
        break;
    case GridId::Call:
        target.slot = CallIndexOfRow(row);
        break;
    case GridId::None:
        break;
    }
    return target;
}

void TMainForm::UpdateEditCommands()
{
    if (const std::optional<std::string> payload = ClipboardPayloadBytes())
        TakeClipboardPayload(*payload, image_);

    const EditTarget target = ActiveEditTarget();
    // The menu pages disable the whole Edit menu and the toolbar's buttons.
    const bool paste = CanPaste(image_, target) && MemoryPageActive();
    for (QAction* control : {Paste1, Paste2, Paste3, Paste4, Paste5, PasteButton})
        control->setEnabled(paste);

    // The DTMF grid's own Cut and Delete items stay as they are.
    const bool cut = CanCutOrDelete(image_, target) && MemoryPageActive();
    for (QAction* control : {Cut1, Cut2, CutButton, Delete1, Delete2})
        control->setEnabled(cut);
}

void TMainForm::Copy1Click()
{
    const EditTarget target = ActiveEditTarget();
    if (target.grid == EditGrid::None) return;
    PutRecordOnClipboard(TargetRecord(image_, target));
    UpdateEditCommands();
}

// Cut and Delete stay enabled while no grid is active (at start, after
// leaving a grid); without a row to act on they change nothing, and so do not
// mark the data as changed either.
void TMainForm::Cut1Click()
{
    const EditTarget target = ActiveEditTarget();
    if (target.grid != EditGrid::Memory && target.grid != EditGrid::Dtmf) return;
    if (!IsValidTarget(target)) return;
    SetDataChanged(true);
    const std::string record = TargetRecord(image_, target);
    EmptyTarget(image_, target);
    PutRecordOnClipboard(record);
    UpdateEditCommands();
    RefreshAllViews();
}

void TMainForm::Delete1Click()
{
    const EditTarget target = ActiveEditTarget();
    if (target.grid != EditGrid::Memory && target.grid != EditGrid::Dtmf) return;
    if (!IsValidTarget(target)) return;
    SetDataChanged(true);
    EmptyTarget(image_, target);
    RefreshAllViews();
}

void TMainForm::Paste1Click()
{
    const EditTarget target = ActiveEditTarget();
    if (!PasteIntoTarget(image_, target)) return;
    SetDataChanged(true);
    RefreshAllViews();
}

void TMainForm::Lockout2Click()
{
    if (ToggleLockout(image_, SelectedRow(GridId::Memory) - 1)) SetDataChanged(true);
    RefreshAllViews();
}

void TMainForm::PopupMenu1Popup()
{
    Lockout2->setEnabled(CanLockOut(SelectedRow(GridId::Memory) - 1));
}

void TMainForm::MemorySort1Click()
{
    TSortForm form(this);
    form.exec();
}

void TMainForm::GridMouseDown(GridId id, QObject* source, QPoint position)
{
    QTableWidget* grid = Grid(id);
    if (!grid) return;
    // The heading row selects the top visible row; a press below the last
    // row leaves the selection as it is.
    const int top = grid->rowAt(0);
    const int tableRow = source == grid->horizontalHeader() ? top : grid->rowAt(position.y());
    grid->setFocus(Qt::MouseFocusReason);
    if (tableRow < 0) return;
    if (grid->currentRow() != tableRow) SelectRow(id, tableRow + 1);
}

void TMainForm::StringGrid1MouseDown(QObject* source, QPoint position)
{
    GridMouseDown(GridId::Memory, source, position);
}

void TMainForm::StringGrid2MouseDown(QObject* source, QPoint position)
{
    GridMouseDown(GridId::Vfo, source, position);
}

void TMainForm::StringGrid3MouseDown(QObject* source, QPoint position)
{
    GridMouseDown(GridId::Call, source, position);
}

void TMainForm::StringGrid4MouseDown(QObject* source, QPoint position)
{
    GridMouseDown(GridId::Dtmf, source, position);
}

void TMainForm::ConnectEditCommands()
{
    for (QAction* control : {Cut1, Cut2, Cut5, CutButton})
        connect(control, &QAction::triggered, this, &TMainForm::Cut1Click);
    for (QAction* control : {Copy1, Copy2, Copy3, Copy4, Copy5, CopyButton})
        connect(control, &QAction::triggered, this, &TMainForm::Copy1Click);
    for (QAction* control : {Paste1, Paste2, Paste3, Paste4, Paste5, PasteButton})
        connect(control, &QAction::triggered, this, &TMainForm::Paste1Click);
    for (QAction* control : {Delete1, Delete2, Delete5})
        connect(control, &QAction::triggered, this, &TMainForm::Delete1Click);
    connect(Lockout2, &QAction::triggered, this, &TMainForm::Lockout2Click);
    connect(MemorySort1, &QAction::triggered, this, &TMainForm::MemorySort1Click);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TMainForm::PopupMenu1Popup);

    // Copy is always offered, and so are the DTMF grid's own Cut and Delete;
    // Paste, and Cut and Delete elsewhere, follow UpdateEditCommands.
    const bool memoryPage = MemoryPageActive();
    for (QAction* control : {Copy1, Copy2, Copy3, Copy4, Copy5, Cut5, Delete5, Lockout2, MemorySort1})
        control->setEnabled(true);
    CopyButton->setEnabled(memoryPage);

    using MouseDown = void (TMainForm::*)(QObject*, QPoint);
    const std::pair<GridId, MouseDown> handlers[] = {
        {GridId::Memory, &TMainForm::StringGrid1MouseDown},
        {GridId::Vfo, &TMainForm::StringGrid2MouseDown},
        {GridId::Call, &TMainForm::StringGrid3MouseDown},
        {GridId::Dtmf, &TMainForm::StringGrid4MouseDown},
    };
    for (const auto& [id, handler] : handlers) {
        QTableWidget* grid = Grid(id);
        auto* watcher = new TRightButtonWatcher(
            grid, [this, handler](QObject* source, QPoint position) { (this->*handler)(source, position); });
        grid->viewport()->installEventFilter(watcher);
        grid->horizontalHeader()->installEventFilter(watcher);
    }

    UpdateEditCommandsHandler = [this]() { UpdateEditCommands(); };
    UpdateEditCommands();
}
