#include "core/AcceleratorTable.h"

#include "core/NumberText.h"
#include "core/TextLines.h"

namespace {
const std::vector<Accelerator> kNoTable;
}

CAcceleratorTable CAcceleratorTable::Parse(std::string_view text) {
    CAcceleratorTable table;
    for (std::string_view line : ContentLines(text)) {
        const size_t first = line.find('\t');
        const size_t second = first == std::string_view::npos ? first : line.find('\t', first + 1);
        if (second == std::string_view::npos) {
            continue;
        }
        const std::optional<uint32_t> id = ParseUint32(line.substr(0, first));
        const std::optional<uint32_t> command = ParseUint32(line.substr(second + 1));
        if (id && command) {
            table.m_tables[*id].push_back({std::string(line.substr(first + 1, second - first - 1)), *command});
        }
    }
    return table;
}

const std::vector<Accelerator>& CAcceleratorTable::Table(unsigned id) const {
    const auto it = m_tables.find(id);
    return it == m_tables.end() ? kNoTable : it->second;
}
