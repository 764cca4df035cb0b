# editors: frequency entry rules and the channel editor and setup dialogs.
list(APPEND TSLQ_CORE_SOURCES
  editors/ChannelRules.cpp
  editors/EntryKeys.cpp
  editors/FrequencyRules.cpp
  editors/VfoRules.cpp
)
list(APPEND TSLQ_UI_SOURCES
  editors/CallEditor.cpp
  editors/ChannelEditorDialog.cpp
  editors/DtmfEditor.cpp
  editors/EditorWidgets.cpp
  editors/MemoryEditor.cpp
  editors/SetupDialog.cpp
  editors/VfoEditor.cpp
)
