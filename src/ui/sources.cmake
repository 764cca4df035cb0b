# ui: what every window uses and no window owns: message boxes and the radio's
# 8-bit text at the widget boundary.
list(APPEND TSLQ_UI_SOURCES
  ui/Messages.cpp
  ui/QtText.cpp
)
