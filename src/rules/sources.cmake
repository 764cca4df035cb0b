# rules: how an edit becomes records: frequency entry, channel and VFO record
# building, paste, sort, menu settings, the keys a field accepts, what a
# radio of the version can hold (the check before a write).
list(APPEND TSLQ_CORE_SOURCES
  rules/ChannelRules.cpp
  rules/EntryKeys.cpp
  rules/FrequencyRules.cpp
  rules/MenuRules.cpp
  rules/PasteRules.cpp
  rules/SendCheck.cpp
  rules/SortRules.cpp
  rules/VfoRules.cpp
)
