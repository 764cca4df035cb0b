# editors: frequency entry rules (core) and the channel editor dialogs (ui).
# Owner blocks: editors, then mainwin (Setup).

# editors
list(APPEND TSLQ_CORE_SOURCES
  editors/ChannelRules.cpp
  editors/EntryKeys.cpp
  editors/FrequencyRules.cpp
  editors/VfoRules.cpp
)
list(APPEND TSLQ_UI_SOURCES
  editors/Call.cpp
  editors/Dtmf.cpp
  editors/EditorCommands.cpp
  editors/EditorWidgets.cpp
  editors/Memory.cpp
  editors/Vfo.cpp
)

# mainwin
list(APPEND TSLQ_UI_SOURCES
  editors/Setup.cpp
)
