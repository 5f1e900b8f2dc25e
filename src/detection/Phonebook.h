#pragma once

#include <string>
#include <vector>

// The dial-up entries a tariff can be assigned to.
class Phonebook {
public:
    virtual ~Phonebook() = default;
    // Every entry once, in a stable order.
    virtual std::vector<std::string> ListEntries() = 0;
};
