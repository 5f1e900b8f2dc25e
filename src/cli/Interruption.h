#pragma once

#include <array>
#include <csignal>

// While it lives, SIGINT, SIGTERM and SIGHUP only note that the user wants to stop, so that a long
// piece of work can end where it stands and clean up, instead of being killed halfway.
class CInterruption {
public:
    CInterruption();
    ~CInterruption();
    CInterruption(const CInterruption&) = delete;
    CInterruption& operator=(const CInterruption&) = delete;

    // The signal that came; 0 while none did.
    static int Signal();
    // The exit code of a program ended by that signal (128 + its number).
    static int ExitCode() { return 128 + Signal(); }

private:
    static constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};
    std::array<struct sigaction, kSignals.size()> m_previous{};
};
