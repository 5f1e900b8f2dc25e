#include "ui/NotWritten.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"

FieldError NotWritten(const CStringTable& strings, const std::string& path) {
    return FieldError{nullptr, QString::fromStdString(strings.Format(Str::kFileNotWritten, {path}))};
}
