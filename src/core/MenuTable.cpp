#include "core/MenuTable.h"

#include "core/NumberText.h"
#include "core/TextLines.h"

namespace {

// Splits "WORD REST" at the first blank.
std::pair<std::string_view, std::string_view> Head(std::string_view line) {
    const size_t blank = line.find(' ');
    return blank == std::string_view::npos ? std::pair(line, std::string_view())
                                           : std::pair(line.substr(0, blank), line.substr(blank + 1));
}

const std::vector<MenuPopup> kNoMenu;

} // namespace

CMenuTable CMenuTable::Parse(std::string_view text) {
    CMenuTable table;
    std::vector<MenuPopup>* menu = nullptr;
    for (std::string_view line : ContentLines(text)) {
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

std::vector<unsigned> CMenuTable::Ids() const {
    std::vector<unsigned> ids;
    for (const auto& [id, popups] : m_menus) {
        ids.push_back(id);
    }
    return ids;
}
