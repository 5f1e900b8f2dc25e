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

// An address keeps the bytes of its path, also where a link is resolved against it, and a name
// with the characters an address gives meaning to comes back as it was.
TEST(PathText, FileAddressKeepsThePathsBytes) {
    for (const std::string path : {"/home/anna/B\xFCro/index.html", "/tmp/\xC3\x9C 100% #1?.html", "/a/b.html"}) {
        EXPECT_EQ(FileOfUrl(FileUrl(path)), path);
        EXPECT_TRUE(FileUrl(path).isLocalFile()) << path;
    }
    EXPECT_EQ(FileOfUrl(FileUrl("/home/anna/B\xFCro/index.html").resolved(QUrl(QStringLiteral("log.html#x")))),
              "/home/anna/B\xFCro/log.html");
}

} // namespace
