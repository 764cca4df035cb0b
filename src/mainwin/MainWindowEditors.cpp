// The main window's commands that open the channel editors. Each editor is
// created when its command runs on the slot of the grid's selected row,
// shown modally and destroyed afterwards; it stores through the document.
#include "editors/CallEditor.h"
#include "editors/DtmfEditor.h"
#include "editors/MemoryEditor.h"
#include "editors/VfoEditor.h"
#include "mainwin/MainWindow.h"

#include <algorithm>

void MainWindow::ConnectEditorCommands()
{
    GridEditorHandler[static_cast<std::size_t>(GridId::Memory)] = [this]() { OpenMemoryEditor(); };
    GridEditorHandler[static_cast<std::size_t>(GridId::Vfo)] = [this]() { OpenVfoEditor(); };
    GridEditorHandler[static_cast<std::size_t>(GridId::Call)] = [this]() { OpenCallEditor(); };
    GridEditorHandler[static_cast<std::size_t>(GridId::Dtmf)] = [this]() { OpenDtmfEditor(); };
}

void MainWindow::OpenMemoryEditor()
{
    MemoryEditor dialog(document_, SelectedRow(GridId::Memory) - 1, this);
    dialog.exec();
}

void MainWindow::OpenVfoEditor()
{
    VfoEditor dialog(document_, VfoBandOfRow(std::max(SelectedRow(GridId::Vfo), 1)), this);
    dialog.exec();
}

void MainWindow::OpenCallEditor()
{
    CallEditor dialog(document_, CallIndexOfRow(std::max(SelectedRow(GridId::Call), 1)), this);
    dialog.exec();
}

void MainWindow::OpenDtmfEditor()
{
    DtmfEditor dialog(document_, SelectedRow(GridId::Dtmf) - 1, this);
    dialog.exec();
}
