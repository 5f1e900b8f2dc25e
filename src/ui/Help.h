#pragma once

#include <QString>

#include <functional>
#include <string>

class QUrl;

// The user guide: HTML pages beside the program (build) or in the installed data directory,
// opened in the user's browser, and where no browser takes them, in a window of the program's own.
// A page may name a section ("index.html#log-filter"), which is where it opens.
// A page that is not installed is told in a message. With FERNZAHL_NONINTERACTIVE=1 nothing is
// shown; the page is only named on stderr.
class CHelp {
public:
    static constexpr const char* kIndex = "index.html";
    static constexpr const char* kFirstSteps = "first-steps.html";

    // The file of the page, without its section, as its bytes; empty when it is not installed.
    static std::string PagePath(const QString& page);
    // shown is called once the page is before the user, in the browser or in the program's window.
    static void Open(const QString& page, const std::function<void()>& shown = {});

private:
    static void ShowInOwnWindow(const QUrl& page, const std::function<void()>& shown);
};
