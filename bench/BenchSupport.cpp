#include "BenchSupport.h"

#include "platform/ResourceLibrary.h"

#include <cstdlib>
#include <filesystem>

std::string BenchDirectory(const std::string& name, bool fresh) {
    const char* tmp = std::getenv("TMPDIR");
    const std::string dir = std::string(tmp ? tmp : "/tmp") + "/fernzahl-bench/" + name + "/";
    if (fresh) {
        std::filesystem::remove_all(dir);
    }
    std::filesystem::create_directories(dir);
    return dir;
}

const CStringTable& BenchStrings() {
    static const CStringTable table = [] {
        CResourceLibrary library;
        library.Load();
        return library.Strings();
    }();
    return table;
}
