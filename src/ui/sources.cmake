# ui: what every window uses and no window owns: message boxes and the radio's
# 8-bit text at the widget boundary, context help numbers, where windows open,
# the records on the clipboard, what a screen reader needs beyond the toolkit.
list(APPEND TSLQ_UI_SOURCES
  ui/Accessibility.cpp
  ui/Announcement.cpp
  ui/Clipboard.cpp
  ui/HelpContext.cpp
  ui/Language.cpp
  ui/Messages.cpp
  ui/QtText.cpp
  ui/WindowPlacement.cpp
)
