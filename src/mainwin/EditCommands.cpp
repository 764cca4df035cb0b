// The edit commands of the main window: Cut, Copy, Paste, Delete and Lock Out
// on the selected row of the active grid, the enabled state of those commands
// in the Edit menu, the toolbar and the grids' pop-up menus, the right-button
// row selection, and the memory sort command. The rules themselves are in
// PasteRules; this file maps grid rows to slots and wires the controls.
#include "channels/ChannelsPage.h"
#include "editors/MemoryEditor.h"
#include "mainwin/MainWindow.h"
#include "mainwin/SortDialog.h"
#include "rules/PasteRules.h"
#include "ui/Clipboard.h"

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
class RightButtonWatcher : public QObject
{
  public:
    RightButtonWatcher(QObject* parent, std::function<void(QObject*, QPoint)> onPress)
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

EditTarget MainWindow::ActiveEditTarget() const
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

void MainWindow::UpdateEditCommands()
{
    if (const std::optional<std::string> payload = ClipboardPayloadBytes())
        document_.TakeClipboardPayload(*payload);

    setFieldAction_->setEnabled(ChannelsPageActive() && channelsPage_->HasSelection());
    if (ChannelsPageActive()) {
        // The Channels page acts on every selected row.
        const bool paste = channelsPage_->CanPaste();
        for (QAction* control : {pasteAction_, PasteButton})
            control->setEnabled(paste);
        const bool cut = channelsPage_->CanCutSelection();
        for (QAction* control : {cutAction_, CutButton, deleteAction_})
            control->setEnabled(cut);
        const bool selection = channelsPage_->HasSelection();
        for (QAction* control : {copyAction_, CopyButton, channelsPage_->lockOutAction_})
            control->setEnabled(selection);
        return;
    }

    const EditTarget target = ActiveEditTarget();
    // The menu pages disable the Edit menu's commands and the toolbar's buttons.
    const bool paste = CanPaste(Image(), target) && MemoryPageActive();
    for (QAction* control :
         {pasteAction_, memoryPasteAction_, vfoPasteAction_, callPasteAction_, dtmfPasteAction_, PasteButton})
        control->setEnabled(paste);

    // The DTMF grid's own Cut and Delete items stay as they are.
    const bool cut = CanCutOrDelete(Image(), target) && MemoryPageActive();
    for (QAction* control : {cutAction_, memoryCutAction_, CutButton, deleteAction_, memoryDeleteAction_})
        control->setEnabled(cut);
}

void MainWindow::CopyChannel()
{
    if (ChannelsPageActive()) {
        channelsPage_->CopySelection();
        UpdateEditCommands();
        return;
    }
    const EditTarget target = ActiveEditTarget();
    if (target.grid == EditGrid::None) return;
    PutRecordOnClipboard(TargetRecord(Image(), target));
    UpdateEditCommands();
}

// Cut and Delete stay enabled while no grid is active (at start, after
// leaving a grid); without a row to act on they change nothing, and so do not
// mark the data as changed either.
void MainWindow::CutChannel()
{
    if (ChannelsPageActive()) {
        channelsPage_->CutSelection();
        UpdateEditCommands();
        return;
    }
    const EditTarget target = ActiveEditTarget();
    const std::optional<std::string> record = document_.Cut(target);
    if (!record) return;
    PutRecordOnClipboard(*record);
    UpdateEditCommands();
}

void MainWindow::DeleteChannel()
{
    if (ChannelsPageActive()) {
        channelsPage_->DeleteSelection();
        return;
    }
    document_.Delete(ActiveEditTarget());
}

void MainWindow::PasteChannel()
{
    if (ChannelsPageActive()) {
        channelsPage_->PasteAtSelection();
        return;
    }
    document_.Paste(ActiveEditTarget());
}

void MainWindow::LockOutChannel()
{
    document_.ToggleLockout(SelectedRow(GridId::Memory) - 1);
}

void MainWindow::MemoryPopupShown()
{
    lockOutAction_->setEnabled(CanLockOut(SelectedRow(GridId::Memory) - 1));
}

void MainWindow::SortMemory()
{
    SortDialog form(document_, this);
    form.exec();
}

void MainWindow::GridMouseDown(GridId id, QObject* source, QPoint position)
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

void MainWindow::MemoryGridMouseDown(QObject* source, QPoint position)
{
    GridMouseDown(GridId::Memory, source, position);
}

void MainWindow::VfoGridMouseDown(QObject* source, QPoint position)
{
    GridMouseDown(GridId::Vfo, source, position);
}

void MainWindow::CallGridMouseDown(QObject* source, QPoint position)
{
    GridMouseDown(GridId::Call, source, position);
}

void MainWindow::DtmfGridMouseDown(QObject* source, QPoint position)
{
    GridMouseDown(GridId::Dtmf, source, position);
}

void MainWindow::ConnectEditCommands()
{
    for (QAction* control : {cutAction_, memoryCutAction_, dtmfCutAction_, CutButton})
        connect(control, &QAction::triggered, this, &MainWindow::CutChannel);
    for (QAction* control :
         {copyAction_, memoryCopyAction_, vfoCopyAction_, callCopyAction_, dtmfCopyAction_, CopyButton})
        connect(control, &QAction::triggered, this, &MainWindow::CopyChannel);
    for (QAction* control :
         {pasteAction_, memoryPasteAction_, vfoPasteAction_, callPasteAction_, dtmfPasteAction_, PasteButton})
        connect(control, &QAction::triggered, this, &MainWindow::PasteChannel);
    for (QAction* control : {deleteAction_, memoryDeleteAction_, dtmfDeleteAction_})
        connect(control, &QAction::triggered, this, &MainWindow::DeleteChannel);
    connect(lockOutAction_, &QAction::triggered, this, &MainWindow::LockOutChannel);
    connect(sortAction_, &QAction::triggered, this, &MainWindow::SortMemory);
    connect(setFieldAction_, &QAction::triggered, channelsPage_, &ChannelsPage::SetFieldForSelection);
    connect(channelsPage_, &ChannelsPage::SelectionChanged, this, &MainWindow::UpdateEditCommands);
    channelsPage_->popup_->addActions({cutAction_, copyAction_, pasteAction_, deleteAction_});
    channelsPage_->popup_->addSeparator();
    channelsPage_->popup_->addActions({channelsPage_->lockOutAction_, setFieldAction_});
    channelsPage_->popup_->addSeparator();
    channelsPage_->popup_->addAction(channelsPage_->sortByColumnAction_);
    channelsPage_->OpenEditor = [this](int slot) {
        MemoryEditor dialog(document_, slot, this);
        dialog.exec();
    };
    connect(memoryPopup_, &QMenu::aboutToShow, this, &MainWindow::MemoryPopupShown);

    // Copy is always offered, and so are the DTMF grid's own Cut and Delete;
    // Paste, and Cut and Delete elsewhere, follow UpdateEditCommands.
    const bool memoryPage = MemoryPageActive();
    for (QAction* control : {copyAction_, memoryCopyAction_, vfoCopyAction_, callCopyAction_, dtmfCopyAction_,
                             dtmfCutAction_, dtmfDeleteAction_, lockOutAction_, sortAction_})
        control->setEnabled(true);
    CopyButton->setEnabled(memoryPage);

    using MouseDown = void (MainWindow::*)(QObject*, QPoint);
    const std::pair<GridId, MouseDown> handlers[] = {
        {GridId::Memory, &MainWindow::MemoryGridMouseDown},
        {GridId::Vfo, &MainWindow::VfoGridMouseDown},
        {GridId::Call, &MainWindow::CallGridMouseDown},
        {GridId::Dtmf, &MainWindow::DtmfGridMouseDown},
    };
    for (const auto& [id, handler] : handlers) {
        QTableWidget* grid = Grid(id);
        auto* watcher = new RightButtonWatcher(
            grid, [this, handler](QObject* source, QPoint position) { (this->*handler)(source, position); });
        grid->viewport()->installEventFilter(watcher);
        grid->horizontalHeader()->installEventFilter(watcher);
    }

    UpdateEditCommandsHandler = [this]() { UpdateEditCommands(); };
    UpdateEditCommands();
}
