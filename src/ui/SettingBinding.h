#pragma once

#include "settings/SettingsTable.h"

// One control of a settings page bound to one setting: a check box to a flag, a number field to a
// number (refused outside the setting's range; an amount setting typed as an amount), a drop-down
// list to an index, a text field to a string.
struct SettingBinding {
    enum class Kind { Check, Number, Index, Text };

    constexpr SettingBinding(int controlId, Kind bindingKind, const DwordSetting& setting)
        : control(controlId), kind(bindingKind), number(&setting) {}
    constexpr SettingBinding(int controlId, const StringSetting& setting)
        : control(controlId), kind(Kind::Text), text(&setting) {}

    int control;
    Kind kind;
    const DwordSetting* number = nullptr;
    const StringSetting* text = nullptr;
};
