# model: radio profile, radio image, field codes and display texts, 8-bit text.
list(APPEND TSLQ_CORE_SOURCES
  model/FieldTexts.cpp
  model/MenuTexts.cpp
  model/Message.cpp
  model/Profile.cpp
  model/RadioImage.cpp
  model/RecordCheck.cpp
  model/Records.cpp
  model/TextCodec.cpp
)
list(APPEND TSLQ_IO_SOURCES
  model/CoreMessages.cpp
  model/SettingsStore.cpp
  model/ShownTexts.cpp
)
