# link: serial port component, command set, transfers, runner, dialogs.

# kcomm: serial port component and port map.
list(APPEND TSLQ_IO_SOURCES
  link/Kcomm.cpp
  link/PortMap.cpp
)
