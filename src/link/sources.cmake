# link: serial port, command set, transfer state machines, transfer runner,
# the Read and Write dialogs and commands.
list(APPEND TSLQ_CORE_SOURCES
  link/Baseline.cpp
  link/CommandSet.cpp
  link/ImageDiff.cpp
  link/ReadTransfer.cpp
  link/ReplyCheck.cpp
  link/SerialLog.cpp
  link/WriteEffect.cpp
  link/WriteTransfer.cpp
)
list(APPEND TSLQ_IO_SOURCES
  link/PortMap.cpp
  link/RadioPort.cpp
  link/TransferRunner.cpp
)
list(APPEND TSLQ_UI_SOURCES
  link/CompareDialog.cpp
  link/LinkCommands.cpp
  link/ReadDialog.cpp
  link/WriteConfirm.cpp
  link/WriteDialog.cpp
)
