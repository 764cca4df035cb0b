# files: data file and listing (core); file access (io); command line, file
# commands and printing (ui).
list(APPEND TSLQ_CORE_SOURCES
  files/DataFile.cpp
  files/Listing.cpp
)
list(APPEND TSLQ_IO_SOURCES
  files/FileIo.cpp
  files/SafeFile.cpp
)
list(APPEND TSLQ_UI_SOURCES
  files/Cli.cpp
  files/CliFiles.cpp
  files/CliTable.cpp
  files/FileCommands.cpp
  files/Printing.cpp
)
# csv: channel lists in and out (core).
list(APPEND TSLQ_CORE_SOURCES
  files/Csv.cpp
  files/CsvReader.cpp
)
list(APPEND TSLQ_UI_SOURCES
  files/CliCsv.cpp
  files/CsvCommands.cpp
  files/CsvReportDialog.cpp
)
