# link: serial port component, command set, transfers, runner, dialogs.

# kcomm: serial port component and port map.
list(APPEND TSLQ_IO_SOURCES
  link/Kcomm.cpp
  link/PortMap.cpp
)

# linkcore: command set and transfer state machines.
list(APPEND TSLQ_CORE_SOURCES
  link/CommandSet.cpp
  link/ImageDiff.cpp
  link/ReadTransfer.cpp
  link/ReplyCheck.cpp
  link/WriteTransfer.cpp
)

# linkcore: the transfer runner.
list(APPEND TSLQ_IO_SOURCES
  link/TransferRunner.cpp
)

# linkcore: the radio commands of tslq-cli.
list(APPEND TSLQ_UI_SOURCES
  link/CliLink.cpp
)

# linkcore: the Read and Write dialogs and the main window's Read and Write commands.
list(APPEND TSLQ_UI_SOURCES
  link/LinkCommands.cpp
  link/Read.cpp
  link/Write.cpp
)
