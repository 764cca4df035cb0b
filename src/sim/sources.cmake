# sim: the simulated radio.

# kcomm: the pseudo-terminal host of the simulated radio.
list(APPEND TSLQ_IO_SOURCES
  sim/PtyHost.cpp
)
