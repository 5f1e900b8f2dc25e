#pragma once

#include <string>
#include <vector>

class QWidget;

// The texts a shown window cuts: a label, check box, radio or push button narrower than its text,
// a wrapped label lower than its lines, a group box narrower than its title, a tab or a column
// narrower than its heading or its widest value, a list whose columns need a horizontal scroll bar,
// a window narrower than its title. One line each, naming the control and the widths; empty when
// all fit.
std::vector<std::string> CutTexts(const QWidget& window);
