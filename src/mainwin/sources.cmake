# mainwin: the main window, its grids and menu pages, edit commands, memory
# sort, port selection, splash, About and help viewer.
list(APPEND TSLQ_CORE_SOURCES
  mainwin/MainCommandLine.cpp
)
list(APPEND TSLQ_UI_SOURCES
  mainwin/AboutBox.cpp
  mainwin/ChannelGrid.cpp
  mainwin/EditCommands.cpp
  mainwin/HelpViewer.cpp
  mainwin/LanguageMenu.cpp
  mainwin/MainWindow.cpp
  mainwin/MainWindowAccessibility.cpp
  mainwin/MainWindowCommands.cpp
  mainwin/MainWindowEditors.cpp
  mainwin/MainWindowGrids.cpp
  mainwin/MainWindowRecovery.cpp
  mainwin/MainWindowShell.cpp
  mainwin/MenuPages.cpp
  mainwin/MenuPagesLayout.cpp
  mainwin/MenuPagesWidgets.cpp
  mainwin/PortSelect.cpp
  mainwin/SortDialog.cpp
  mainwin/SplashWindow.cpp
)
