# files: data file, printed listing and channel lists (CSV); file access; file
# commands, printing and the CSV report.
list(APPEND TSLQ_CORE_SOURCES
  files/Csv.cpp
  files/CsvReader.cpp
  files/CsvReplace.cpp
  files/DataFile.cpp
  files/FileGaps.cpp
  files/Listing.cpp
)
list(APPEND TSLQ_IO_SOURCES
  files/FileIo.cpp
  files/ReadBackups.cpp
  files/SafeFile.cpp
)
list(APPEND TSLQ_UI_SOURCES
  files/BackupDialog.cpp
  files/CsvCommands.cpp
  files/CsvReportDialog.cpp
  files/FileCommands.cpp
  files/Printing.cpp
  files/RecoveryFile.cpp
)
