#include "cli/Interruption.h"

namespace {

volatile std::sig_atomic_t g_signal = 0;

void Note(int signal) {
    g_signal = signal;
}

} // namespace

CInterruption::CInterruption() {
    g_signal = 0;
    struct sigaction action {};
    action.sa_handler = Note;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, &m_previous[i]);
    }
}

CInterruption::~CInterruption() {
    for (size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &m_previous[i], nullptr);
    }
}

int CInterruption::Signal() {
    return g_signal;
}
