#pragma once

#include "ui/SettingsPage.h"

class SoundPlayer;

// Options: the unit signals and their two sound files, which can be chosen and tried out.
class COptTimerPage : public CSettingsPage {
    Q_OBJECT
public:
    COptTimerPage(SettingsStore& settings, const CStringTable& strings, SoundPlayer& sound);

protected:
    void Load() override;

private:
    void Browse(int field);

    SoundPlayer& m_sound;
};
