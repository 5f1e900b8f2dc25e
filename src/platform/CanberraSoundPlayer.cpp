#include "platform/CanberraSoundPlayer.h"

#include <canberra.h>
#include <unistd.h>

namespace {
constexpr uint32_t kSoundId = 1; // all of the program's sounds share one id, so one never cuts another
}

CCanberraSoundPlayer::~CCanberraSoundPlayer() {
    if (m_context != nullptr) {
        ca_context_destroy(m_context);
    }
}

bool CCanberraSoundPlayer::IsPlaying() {
    int playing = 0;
    return ca_context_playing(m_context, kSoundId, &playing) == CA_SUCCESS && playing != 0;
}

void CCanberraSoundPlayer::Play(const std::string& file) {
    if (m_context == nullptr && !m_failed) {
        m_failed = ca_context_create(&m_context) != CA_SUCCESS;
        if (!m_failed) {
            ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Fernzahl", CA_PROP_APPLICATION_ID, "fernzahl",
                                    nullptr);
        }
    }
    if (m_failed || IsPlaying()) {
        return;
    }
    const bool readable = !file.empty() && access(file.c_str(), R_OK) == 0;
    if (readable && ca_context_play(m_context, kSoundId, CA_PROP_MEDIA_FILENAME, file.c_str(),
                                    CA_PROP_EVENT_DESCRIPTION, "Fernzahl signal", nullptr) == CA_SUCCESS) {
        return;
    }
    ca_context_play(m_context, kSoundId, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION, "Fernzahl signal",
                    nullptr);
}
