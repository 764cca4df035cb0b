// File > "Import Channels (CSV)..." and "Export Channels (CSV)..." on the
// main window.
#pragma once

class MainWindow;

// Creates the two commands below Save As... and wires them.
void ConnectCsvCommands(MainWindow& form);
