// The main window's commands that open the channel editors. Each editor is
// created when its command runs, shown modally and destroyed afterwards; it
// reads the grid's selected row and works on the window's image directly.
#include "editors/Call.h"
#include "editors/Dtmf.h"
#include "editors/Memory.h"
#include "editors/Vfo.h"
#include "mainwin/Main.h"

void TMainForm::ConnectEditorCommands()
{
    GridEditorHandler[static_cast<std::size_t>(GridId::Memory)] = [this]() { StringGrid1DblClick(); };
    GridEditorHandler[static_cast<std::size_t>(GridId::Vfo)] = [this]() { StringGrid2DblClick(); };
    GridEditorHandler[static_cast<std::size_t>(GridId::Call)] = [this]() { StringGrid3DblClick(); };
    GridEditorHandler[static_cast<std::size_t>(GridId::Dtmf)] = [this]() { StringGrid4DblClick(); };
}

void TMainForm::StringGrid1DblClick()
{
    TMemoryForm dialog(*this);
    dialog.exec();
}

void TMainForm::StringGrid2DblClick()
{
    TVfoForm dialog(*this);
    dialog.exec();
}

void TMainForm::StringGrid3DblClick()
{
    TCallForm dialog(*this);
    dialog.exec();
}

void TMainForm::StringGrid4DblClick()
{
    TDtmfForm dialog(*this);
    dialog.exec();
}
