#pragma once

#include "platform/ResourceLibrary.h"
#include "platform/SystemClock.h"
#include "support/FakeSources.h"
#include "support/MeteringWorld.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// The real windows, offscreen, with the real resource library, settings in memory, the machine's
// clock and connection sources the test controls.
struct GuiWorld {
    GuiWorld();

    CTempDir dir;
    CSystemClock clock;
    CMemorySettingsStore settings{dir.Path()};
    CResourceLibrary library;
    CRecordingSoundPlayer sound;
    Services services{clock, settings, library.Strings(), sound, "anna"};
    CFakeDialUp dialUp;
    CFakeModemLine modem;
};

// Runs the event loop until the check holds (or the time is up).
bool WaitUntil(const std::function<bool()>& check, int milliseconds = 10000);
class CHelpWindow;
// The user guide in the program's own window, once that is shown; nullptr when none came in time.
CHelpWindow* WaitForHelpWindow();
// The control with that number in a window.
template <class T> T* Find(QWidget* window, int id) {
    return window->findChild<T*>(QStringLiteral("id%1").arg(id));
}
// Runs the action, answering the message box it shows with Yes, or else its default button; the message's
// text, or "" when none came.
std::string Answering(const std::function<void()>& action);
// Acts on the next modal window the program opens, from inside its own event loop. The returned
// watch may be deleted when no window came.
QTimer* WhenModalOpens(const std::function<void(QWidget*)>& action);
