#include "platform/UserName.h"

#include <functional>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

// A field of the effective user's entry in the password database; empty when there is none.
std::string FromPasswordEntry(const std::function<const char*(const passwd&)>& field) {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(4096);
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) {
        return {};
    }
    const char* value = field(*found);
    return value ? value : "";
}

} // namespace

std::string GetLoginName() {
    return FromPasswordEntry([](const passwd& entry) { return entry.pw_name; });
}

std::string GetHomeFromPasswordDatabase() {
    return FromPasswordEntry([](const passwd& entry) { return entry.pw_dir; });
}
