# sim: the simulated radio.

# kcomm: the pseudo-terminal host of the simulated radio.
list(APPEND TSLQ_IO_SOURCES
  sim/PtyHost.cpp
  sim/SimServer.cpp
)

# linkcore: the responder.
list(APPEND TSLQ_CORE_SOURCES
  sim/SampleLoad.cpp
  sim/VirtualRadio.cpp
)
