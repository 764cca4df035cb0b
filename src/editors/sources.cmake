# editors: frequency entry rules (core) and the channel editor dialogs (ui).
# Owner blocks: editors, then mainwin (Setup).

# editors
list(APPEND TSLQ_CORE_SOURCES
  editors/FrequencyRules.cpp
)
