#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The accelerator tables: "table<TAB>key sequence<TAB>command" lines.
struct Accelerator {
    std::string keys; // as Qt writes a key sequence: "Ctrl+L", "F5", "Del"
    unsigned command = 0;
};

class CAcceleratorTable {
public:
    static CAcceleratorTable Parse(std::string_view text);
    const std::vector<Accelerator>& Table(unsigned id) const;

private:
    std::map<unsigned, std::vector<Accelerator>> m_tables;
};
