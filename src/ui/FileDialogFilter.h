#pragma once

#include <QString>

#include <optional>
#include <string>

class QWidget;

// A file dialog's filter as Qt writes it ("Sound files (*.wav *.ogg);;All files (*)") from the
// resource library's "Name|patterns|Name|patterns" form, which names each filter twice.
QString ToQtFileFilter(const std::string& resourceFilter);
// Asks where to save, in the program's own file dialog with that filter; nothing when cancelled.
// A name typed without an extension gets the suffix. Paths are bytes: the proposed folder keeps its
// own even where Qt cannot show them.
std::optional<std::string> AskSavePath(QWidget* parent, const QString& title, const std::string& proposed,
                                       const std::string& resourceFilter, const QString& suffix);
