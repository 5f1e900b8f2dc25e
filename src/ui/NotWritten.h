#pragma once

#include "ui/FieldError.h"

#include <string>

class CStringTable;

// The refusal of a file that could not be written (message 458 with its path); it names no
// field. Shown where the write failed; a dialog stays open on it.
FieldError NotWritten(const CStringTable& strings, const std::string& path);
