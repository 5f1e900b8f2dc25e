#pragma once

#include <functional>
#include <string>

class QPrinter;

// Draws a printout into a PDF file, from a program without windows as well: a Qt Gui application
// that draws offscreen is made when there is none. False when the file was not written.
bool PrintToPdf(const std::string& path, const std::function<bool(QPrinter&)>& draw);
