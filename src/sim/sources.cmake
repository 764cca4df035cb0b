# sim: the simulated radio (responder and sample load) and its pseudo-terminal host.
list(APPEND TSLQ_CORE_SOURCES
  sim/SampleLoad.cpp
  sim/VirtualRadio.cpp
)
list(APPEND TSLQ_IO_SOURCES
  sim/PtyHost.cpp
  sim/SimServer.cpp
)
