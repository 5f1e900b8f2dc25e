#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The menus of the resource library as text: "menu N", then "popup TEXT", "item ID TEXT" and
// "separator" lines. Kept apart from Qt so that the reading of the table can be tested alone.
struct MenuItem {
    unsigned command = 0; // 0 for a separator
    std::string text;
};

struct MenuPopup {
    std::string title;
    std::vector<MenuItem> items;
};

class CMenuTable {
public:
    static CMenuTable Parse(std::string_view text);
    // The popups of menu N, empty when the table has none.
    const std::vector<MenuPopup>& Menu(unsigned id) const;
    // The numbers of the menus, in ascending order.
    std::vector<unsigned> Ids() const;

private:
    std::map<unsigned, std::vector<MenuPopup>> m_menus;
};
