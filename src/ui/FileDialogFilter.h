#pragma once

#include <QString>

#include <string>

// A file dialog's filter as Qt writes it ("Sound files (*.wav *.ogg);;All files (*)") from the
// resource library's "Name|patterns|Name|patterns" form, which names each filter twice.
QString ToQtFileFilter(const std::string& resourceFilter);
