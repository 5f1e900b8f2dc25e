#pragma once

#include <optional>
#include <string>

// Where one installation keeps its data files and its settings file.
struct DataPaths {
    std::string dataDirectory; // ends in '/'
    std::string settingsFile;
    // Why there is no data directory (no home folder to put it in); empty when there is one. Then
    // both paths are empty.
    std::string problem;

    // --data-dir (when not empty) wins over $FERNZAHL_HOME; both put the settings file into the
    // data directory, so one folder holds a whole installation. Otherwise the XDG directories:
    // $XDG_DATA_HOME/fernzahl and $XDG_CONFIG_HOME/fernzahl/fernzahl.ini, below $HOME where they
    // are not set, or the home folder of the password database where HOME is not set either.
    static DataPaths Resolve(const std::string& dataDirOption);
    // Makes the data directory where it is missing; why it cannot hold files (a symbolic link in a
    // loop, a file in its place), or nothing when it can.
    static std::optional<std::string> MakeDataDirectory(const std::string& dataDirectory);
    // Creates and removes a scratch file in the data directory, through the file layer as every
    // record is written: why that failed (a read-only folder, a full disk), or nothing.
    static std::optional<std::string> CheckWritable(const std::string& dataDirectory);
};
