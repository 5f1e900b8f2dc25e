#include "app/MenuTable.h"

#include "core/NumberText.h"
#include "core/TextLines.h"

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::string_view line : SplitLines(text)) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        if (!line.empty() && line.front() != '#') {
            lines.push_back(line);
        }
    }
    return lines;
}

// Splits "WORD REST" at the first blank.
std::pair<std::string_view, std::string_view> Head(std::string_view line) {
    const size_t blank = line.find(' ');
    return blank == std::string_view::npos ? std::pair(line, std::string_view())
                                           : std::pair(line.substr(0, blank), line.substr(blank + 1));
}

const std::vector<MenuPopup> kNoMenu;
const std::vector<Accelerator> kNoTable;

} // namespace

CMenuTable CMenuTable::Parse(std::string_view text) {
    CMenuTable table;
    std::vector<MenuPopup>* menu = nullptr;
    for (std::string_view line : Lines(text)) {
        const auto [word, rest] = Head(line);
        const std::optional<uint32_t> number = ParseUint32(rest);
        if (word == "menu" && number) {
            menu = &table.m_menus[*number];
        } else if (menu != nullptr && word == "popup") {
            menu->push_back({std::string(rest), {}});
        } else if (menu != nullptr && !menu->empty() && word == "separator") {
            menu->back().items.push_back({});
        } else if (menu != nullptr && !menu->empty() && word == "item") {
            const auto [id, itemText] = Head(rest);
            const std::optional<uint32_t> command = ParseUint32(id);
            if (command && *command != 0) {
                menu->back().items.push_back({*command, std::string(itemText)});
            }
        }
    }
    return table;
}

const std::vector<MenuPopup>& CMenuTable::Menu(unsigned id) const {
    const auto it = m_menus.find(id);
    return it == m_menus.end() ? kNoMenu : it->second;
}

CAcceleratorTable CAcceleratorTable::Parse(std::string_view text) {
    CAcceleratorTable table;
    for (std::string_view line : Lines(text)) {
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
