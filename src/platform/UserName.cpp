#include "platform/UserName.h"

#include <pwd.h>
#include <unistd.h>
#include <vector>

std::string GetLoginName() {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(4096);
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) {
        return {};
    }
    return found->pw_name ? found->pw_name : "";
}
