# cli: the subcommands of tslq-cli (files, channel lists, listing, radio).
list(APPEND TSLQ_UI_SOURCES
  cli/Cli.cpp
  cli/CliCsv.cpp
  cli/CliFiles.cpp
  cli/CliLink.cpp
  cli/CliTable.cpp
)
