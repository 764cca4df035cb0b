# mainwin: main window, menu pages, edit commands, shell.

# menupages
list(APPEND TSLQ_CORE_SOURCES mainwin/MenuRules.cpp)

# editops
list(APPEND TSLQ_CORE_SOURCES
  mainwin/PasteRules.cpp
  mainwin/SortRules.cpp
)
