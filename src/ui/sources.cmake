# ui: what every window uses and no window owns: message boxes and the radio's
# 8-bit text at the widget boundary, context help numbers, where windows open,
# the records on the clipboard.
list(APPEND TSLQ_UI_SOURCES
  ui/Clipboard.cpp
  ui/HelpContext.cpp
  ui/Language.cpp
  ui/Messages.cpp
  ui/QtText.cpp
  ui/WindowPlacement.cpp
)
