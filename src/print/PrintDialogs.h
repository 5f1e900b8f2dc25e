#pragma once

#include <functional>

class QPrinter;
class QWidget;

// How the windows print: the print dialog first, or the preview, from which the user may print
// too. The printout draws under the wait cursor.
using Printout = std::function<void(QPrinter&)>;

void PrintWithDialog(QWidget* parent, const Printout& draw);
void PrintWithPreview(QWidget* parent, const Printout& draw);
