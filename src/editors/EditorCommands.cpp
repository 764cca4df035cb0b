// The main window's commands that open the channel editors. Each editor is
// created when its command runs, shown modally and destroyed afterwards; it
// reads the grid's selected row and works on the window's image directly.
#include "editors/CallEditor.h"
#include "editors/DtmfEditor.h"
#include "editors/MemoryEditor.h"
#include "editors/VfoEditor.h"
#include "mainwin/MainWindow.h"

void MainWindow::ConnectEditorCommands()
{
    GridEditorHandler[static_cast<std::size_t>(GridId::Memory)] = [this]() { OpenMemoryEditor(); };
    GridEditorHandler[static_cast<std::size_t>(GridId::Vfo)] = [this]() { OpenVfoEditor(); };
    GridEditorHandler[static_cast<std::size_t>(GridId::Call)] = [this]() { OpenCallEditor(); };
    GridEditorHandler[static_cast<std::size_t>(GridId::Dtmf)] = [this]() { OpenDtmfEditor(); };
}

void MainWindow::OpenMemoryEditor()
{
    MemoryEditor dialog(*this);
    dialog.exec();
}

void MainWindow::OpenVfoEditor()
{
    VfoEditor dialog(*this);
    dialog.exec();
}

void MainWindow::OpenCallEditor()
{
    CallEditor dialog(*this);
    dialog.exec();
}

void MainWindow::OpenDtmfEditor()
{
    DtmfEditor dialog(*this);
    dialog.exec();
}
