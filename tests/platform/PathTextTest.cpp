#include "platform/PathText.h"

#include <gtest/gtest.h>

namespace {

// What a file dialog hands back lies in the folder it was shown: that folder keeps its bytes,
// whatever Qt made of them.
TEST(PathText, ChoiceInAFolderNamedInAnotherEncodingKeepsTheFoldersBytes) {
    const std::string folder = "/home/anna/B\xFCro";
    const QString shown = PathToQt(folder);
    EXPECT_EQ(PathFromQt(shown + QStringLiteral("/Export.txt"), folder + "/Export.txt"), folder + "/Export.txt");
    EXPECT_EQ(PathFromQt(shown + QStringLiteral("/Log/Mai.txt"), folder + "/Export.txt"), folder + "/Log/Mai.txt");
    EXPECT_EQ(PathFromQt(shown, folder + "/Export.txt"), folder);
    EXPECT_EQ(PathFromQt(QStringLiteral("/tmp/Übersicht.csv"), folder + "/Export.txt"), "/tmp/\xC3\x9C"
                                                                                        "bersicht.csv");
    EXPECT_EQ(PathFromQt(QStringLiteral("/home/anna/B\u00FCro2/x"), folder), "/home/anna/B\xC3\xBCro2/x");
}

} // namespace
