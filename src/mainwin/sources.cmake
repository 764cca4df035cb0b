# mainwin: main window, menu pages, edit commands, shell.

# menupages
list(APPEND TSLQ_CORE_SOURCES mainwin/MenuRules.cpp)
list(APPEND TSLQ_UI_SOURCES
  mainwin/MenuPages.cpp
  mainwin/MenuPagesLayout.cpp
  mainwin/MenuPagesWidgets.cpp)

# editops
list(APPEND TSLQ_CORE_SOURCES
  mainwin/PasteRules.cpp
  mainwin/SortRules.cpp
)
list(APPEND TSLQ_UI_SOURCES
  mainwin/Clipboard.cpp
  mainwin/EditCommands.cpp
  mainwin/Sort.cpp
)

# mainwin
list(APPEND TSLQ_CORE_SOURCES
  mainwin/MainCommandLine.cpp
)
list(APPEND TSLQ_UI_SOURCES
  mainwin/About.cpp
  mainwin/ChannelGrid.cpp
  mainwin/Main.cpp
  mainwin/MainGrids.cpp
  mainwin/MainShell.cpp
  mainwin/Messages.cpp
  mainwin/Ownhtmlhelpunit.cpp
  mainwin/Welcome.cpp
  mainwin/WindowPlacement.cpp
)

# kcomm
list(APPEND TSLQ_UI_SOURCES mainwin/PortSelect.cpp)
