# editors: the channel editor and setup dialogs and their widgets.
list(APPEND TSLQ_UI_SOURCES
  editors/CallEditor.cpp
  editors/ChannelEditorDialog.cpp
  editors/DtmfEditor.cpp
  editors/EditorWidgets.cpp
  editors/MemoryEditor.cpp
  editors/SetupDialog.cpp
  editors/VfoEditor.cpp
)
