#include "core/FileNames.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNames, FindsFilesWithoutRegardToLetterCase) {
    CTempDir dir;
    WriteFile(dir.File("Mobil.TFF"), "");
    WriteFile(dir.File("Fernzahl.tff"), "");
    EXPECT_EQ(FindFileNoCase(dir.Path(), "mobil.tff"), dir.File("Mobil.TFF"));
    EXPECT_EQ(FindFileNoCase(dir.Path(), "Fernzahl.tff"), dir.File("Fernzahl.tff"));
    EXPECT_FALSE(FindFileNoCase(dir.Path(), "Other.tff"));
    EXPECT_FALSE(FindFileNoCase(dir.File("missing"), "x"));
}

TEST(FileNames, ListsFilesByExtensionSorted) {
    CTempDir dir;
    WriteFile(dir.File("b.TFF"), "");
    WriteFile(dir.File("a.tff"), "");
    WriteFile(dir.File("c.txt"), "");
    WriteFile(dir.File(".tff"), "");
    EXPECT_EQ(ListFilesWithExtension(dir.Path(), ".tff"), (std::vector<std::string>{"a.tff", "b.TFF"}));
}

} // namespace
