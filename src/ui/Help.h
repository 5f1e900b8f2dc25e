#pragma once

#include <QString>

// The user guide: HTML pages beside the program (build) or in the installed data directory,
// opened in the user's browser. With FERNZAHL_NONINTERACTIVE=1 no browser is started; the page
// is only named on stderr.
class CHelp {
public:
    static constexpr const char* kIndex = "index.html";
    static constexpr const char* kFirstSteps = "first-steps.html";

    static QString PagePath(const QString& page);
    static void Open(const QString& page);
};
