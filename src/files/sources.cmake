# files: data file and listing (core); command line, file commands and printing (ui).
list(APPEND TSLQ_CORE_SOURCES
  files/DataFile.cpp
  files/Listing.cpp
)
