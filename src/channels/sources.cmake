# channels: the Channels page (every field of the memory channels in a table,
# find and filter, editing in place and on many rows at once).
list(APPEND TSLQ_CORE_SOURCES
  channels/ChannelColumns.cpp
)
list(APPEND TSLQ_UI_SOURCES
  channels/ChannelCommands.cpp
  channels/ChannelDelegate.cpp
  channels/ChannelFilter.cpp
  channels/ChannelTableModel.cpp
  channels/ChannelTexts.cpp
  channels/ChannelsPage.cpp
  channels/SetFieldDialog.cpp
)
