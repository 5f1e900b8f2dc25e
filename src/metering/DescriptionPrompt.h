#pragma once

#include <string>

// Asks the user to describe a connection that has no name (one seen on the modem line). The main
// window answers with its prompt; the answer may be empty.
class DescriptionPrompt {
public:
    virtual ~DescriptionPrompt() = default;
    virtual std::string AskDescription() = 0;
};
