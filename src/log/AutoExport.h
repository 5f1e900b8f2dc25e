#pragma once

class CStringTable;
class SettingsStore;

// Rewrites "Log.txt" in the program directory with the whole log when the user switched the
// automatic export on ("AutoExport"). The main window calls it after logging a connection, the
// log view after deleting entries. False only when the export was due and failed.
bool AutoExport(SettingsStore& settings, const CStringTable& strings);
