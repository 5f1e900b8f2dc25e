#pragma once

#include "cli/MeterStatus.h"

#include <QVariantMap>

#include <optional>
#include <string>

// The folder's meter as it answers on the session bus: its properties, or why there are none. Needs
// a QCoreApplication.
struct CLiveMeter {
    std::optional<QVariantMap> meter;
    std::string problem; // empty when no process owns the folder's name
    bool operator==(const CLiveMeter&) const = default;

    // Believed only from the process that holds the folder's lock (any program may own the folder's
    // name on the bus first), and only with figures a meter can give.
    static CLiveMeter Ask(const std::string& dataDirectory);
    // The figures of a meter that answered.
    static MeterStatus StatusOf(const QVariantMap& meter);
};
