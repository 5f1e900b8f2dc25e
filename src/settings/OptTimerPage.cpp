#include "settings/OptTimerPage.h"

#include "core/ResourceIds.h"
#include "core/SoundPlayer.h"
#include "core/StringTable.h"
#include "platform/PathText.h"
#include "ui/FileDialogFilter.h"

#include <QFileDialog>
#include <QPushButton>

using Kind = SettingBinding::Kind;

COptTimerPage::COptTimerPage(SettingsStore& settings, const CStringTable& strings, SoundPlayer& sound)
    : CSettingsPage(Form::kOptSignals,
                    {{Control::kSignalUnits, Kind::Check, Setting::kSignalEinh},
                     {Control::kUnitCount, Kind::Number, Setting::kAnzEinh},
                     {Control::kSignalTime, Kind::Check, Setting::kSignalZeit},
                     {Control::kMinutes, Kind::Number, Setting::kZeit},
                     {Control::kSoundFile1, Setting::kDatei1},
                     {Control::kSignalEveryUnit, Kind::Check, Setting::kSignalJedeEinh},
                     {Control::kSignal20sBefore, Kind::Check, Setting::kSignal20secVor},
                     {Control::kSoundFile2, Setting::kDatei2},
                     {Control::kNotifyEnd, Kind::Check, Setting::kNotifyEnd},
                     {Control::kNotifyStart, Kind::Check, Setting::kNotifyStart}},
                    settings, strings),
      m_sound(sound) {}

void COptTimerPage::Load() {
    CSettingsPage::Load();
    for (const auto& [browse, play, field] : {std::tuple{Control::kBrowse1, Control::kPlay1, Control::kSoundFile1},
                                              std::tuple{Control::kBrowse2, Control::kPlay2, Control::kSoundFile2}}) {
        connect(Control<QPushButton>(browse), &QPushButton::clicked, this, [this, field] { Browse(field); });
        connect(Control<QPushButton>(play), &QPushButton::clicked, this,
                [this, field] { m_sound.Play(TextOf(field)); });
    }
}

void COptTimerPage::Browse(int field) {
    const std::string current = TextOf(field);
    const QString chosen = QFileDialog::getOpenFileName(this, QString(), PathToQt(current),
                                                        ToQtFileFilter(Strings().Get(Str::kSoundFileFilter)));
    if (!chosen.isEmpty()) {
        SetTextOf(field, PathFromQt(chosen, current));
    }
}
