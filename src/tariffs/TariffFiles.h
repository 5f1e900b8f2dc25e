#pragma once

#include <string>
#include <vector>

class SettingsStore;

// The tariff files of the data directory, as the options and the assignment list them. The
// default tariff "Fernzahl.tff" (in any case) is always there for the user and never deletable.
struct TariffFileEntry {
    std::string fileName; // as it is on disk
    std::string title;    // without the extension; "" for the default tariff
    bool IsDefault() const { return title.empty(); }
};

class CTariffFiles {
public:
    static constexpr const char* kDefaultTitle = "Fernzahl";
    static constexpr const char* kExtension = ".tff";

    // The default tariff first (when it exists), then the others by name.
    static std::vector<TariffFileEntry> List(const std::string& directory);
    // Creates an empty tariff file, or cuts an existing one to nothing; false when that fails.
    static bool CreateEmpty(const std::string& path);
    enum class Deletion { kDeleted, kRefused, kNotRemoved, kAssignmentsNotWritten };
    // Deletes the tariff with that title and sends every dial-up entry assigned to it (the title
    // compared without regard to case) back to the default tariff. The default tariff is refused.
    // A file that cannot be removed keeps its assignments.
    static Deletion Delete(const std::string& directory, const std::string& title, SettingsStore& settings);
    static bool IsDefaultTitle(const std::string& title);
};
