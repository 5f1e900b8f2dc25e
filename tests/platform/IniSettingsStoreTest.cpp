#include "platform/IniSettingsStore.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <thread>

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

class UmaskGuard {
public:
    explicit UmaskGuard(mode_t mask) : m_previous(umask(mask)) {}
    ~UmaskGuard() { umask(m_previous); }

private:
    mode_t m_previous;
};

TEST(IniSettingsStore, NewFileFollowsTheUmaskButIsNeverWorldWritable) {
    CTempDir dir;
    {
        UmaskGuard mask(0);
        CIniSettingsStore store(dir.File("a/fernzahl.ini"), dir.Path());
        ASSERT_TRUE(store.Write(Setting::kAnzEinh, 3));
        EXPECT_EQ(ModeOf(dir.File("a/fernzahl.ini")), 0664u);
    }
    {
        UmaskGuard mask(077);
        CIniSettingsStore store(dir.File("b/fernzahl.ini"), dir.Path());
        ASSERT_TRUE(store.Write(Setting::kAnzEinh, 3));
        EXPECT_EQ(ModeOf(dir.File("b/fernzahl.ini")), 0600u);
    }
}

TEST(IniSettingsStore, RewriteKeepsTheFileModeButTakesAwayWritingByOthers) {
    CTempDir dir;
    CIniSettingsStore store(dir.File("fernzahl.ini"), dir.Path());
    ASSERT_TRUE(store.Write(Setting::kAnzEinh, 3));
    chmod(dir.File("fernzahl.ini").c_str(), 0646);
    ASSERT_TRUE(store.Write(Setting::kZeit, 4));
    EXPECT_EQ(ModeOf(dir.File("fernzahl.ini")), 0644u);
    EXPECT_EQ(store.Read(Setting::kAnzEinh), 3u);
    // Kept behind a symbolic link (a dotfile manager's): the file it points to is rewritten.
    std::filesystem::rename(dir.File("fernzahl.ini"), dir.File("dotfiles.ini"));
    std::filesystem::create_symlink("dotfiles.ini", dir.File("fernzahl.ini"));
    ASSERT_TRUE(store.Write(Setting::kZeit, 5));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("fernzahl.ini")));
    EXPECT_NE(ReadFile(dir.File("dotfiles.ini")).find("Zeit=5"), std::string::npos);
}

TEST(IniSettingsStore, UnreadableFileIsNeverOverwritten) {
    CTempDir dir;
    std::filesystem::create_directory(dir.File("fernzahl.ini"));
    WriteFile(dir.File("fernzahl.ini/keep"), "x");
    CIniSettingsStore store(dir.File("fernzahl.ini"), dir.Path());
    EXPECT_FALSE(store.Write(Setting::kAnzEinh, 3));
    EXPECT_EQ(store.Read(Setting::kAnzEinh), 5u);
    EXPECT_EQ(ReadFile(dir.File("fernzahl.ini/keep")), "x");
}

// A file past the settings file's limit reads as the defaults and is never saved over, however large
// it claims to be; and no write makes a file that the next read would refuse.
TEST(IniSettingsStore, FileLargerThanItsLimitIsReadNoFurtherAndNeverSavedOver) {
    CTempDir dir;
    const std::string path = dir.File("fernzahl.ini");
    std::string large = "[Zähler]\nResetTag=15\n";
    while (large.size() <= 2 * CIniDocument::kMaxTextBytes) {
        large += "; a comment line that a settings file of this program never holds\n";
    }
    WriteFile(path, large);
    CIniSettingsStore store(path, dir.Path());
    EXPECT_EQ(store.FindReadError(), EFBIG);
    EXPECT_EQ(store.Read(Setting::kResetTag), 1u) << "the default";
    EXPECT_FALSE(store.Write(Setting::kAnzEinh, 3));
    EXPECT_TRUE(ReadFile(path) == large) << "the file as it was";

    // A sparse file of a terabyte: read up to the limit, which is quick and takes a megabyte.
    std::filesystem::resize_file(path, uint64_t{1} << 40);
    CIniSettingsStore sparse(path, dir.Path());
    EXPECT_EQ(sparse.FindReadError(), EFBIG);
    EXPECT_FALSE(sparse.Write(Setting::kAnzEinh, 3));
    EXPECT_EQ(std::filesystem::file_size(path), uint64_t{1} << 40);

    std::filesystem::remove(path);
    CIniSettingsStore fresh(path, dir.Path());
    ASSERT_TRUE(fresh.Write(Setting::kAnzEinh, 3));
    EXPECT_FALSE(fresh.WriteSettingString("Test", "Wert", std::string(CIniDocument::kMaxTextBytes, 'x')));
    EXPECT_FALSE(fresh.FindReadError());
    EXPECT_EQ(fresh.Read(Setting::kAnzEinh), 3u);
}

// A damaged file reads as the defaults and is kept aside by the first save, never saved over.
TEST(IniSettingsStore, DamagedFileGivesTheDefaultsAndIsNeverSavedOver) {
    CTempDir dir;
    const std::string damaged = "[Timer]\nAnzEinh=9\n\x01\x7F garbage\n";
    WriteFile(dir.File("fernzahl.ini"), damaged);
    CIniSettingsStore store(dir.File("fernzahl.ini"), dir.Path());
    EXPECT_EQ(store.FindDamage(), 3);
    EXPECT_EQ(store.Read(Setting::kAnzEinh), 5u);
    EXPECT_TRUE(store.ListAll().empty());
    ASSERT_TRUE(store.Write(Setting::kZeit, 4));
    EXPECT_EQ(ReadFile(dir.File("fernzahl.ini.damaged")), damaged);
    EXPECT_FALSE(store.FindDamage());
    EXPECT_EQ(store.Read(Setting::kZeit), 4u);
    EXPECT_EQ(store.Read(Setting::kAnzEinh), 5u);
    WriteFile(dir.File("fernzahl.ini"), "\x01");
    EXPECT_EQ(store.SetAsideIfDamaged(), dir.File("fernzahl.ini.damaged-2"));
    EXPECT_EQ(ReadFile(dir.File("fernzahl.ini.damaged")), damaged);
    EXPECT_FALSE(FileExists(dir.File("fernzahl.ini")));
}

TEST(IniSettingsStore, ConcurrentWritersLoseNoValue) {
    CTempDir dir;
    auto writer = [&](const std::string& prefix) {
        CIniSettingsStore store(dir.File("fernzahl.ini"), dir.Path());
        for (int i = 0; i < 40; ++i) {
            store.WriteSettingDword("Zuordnung", prefix + std::to_string(i), static_cast<uint32_t>(i));
        }
    };
    std::thread a(writer, "a");
    std::thread b(writer, "b");
    a.join();
    b.join();
    CIniSettingsStore store(dir.File("fernzahl.ini"), dir.Path());
    EXPECT_EQ(store.OpenSettingsKey(false, "Zuordnung")->size(), 80u);
    EXPECT_EQ(store.ReadSettingDword("Zuordnung", "b39", 0), 39u);
    EXPECT_EQ(std::filesystem::directory_iterator(dir.Path())->path().filename(), "fernzahl.ini");
}

TEST(IniSettingsStore, ProgramDirectoryIsCreatedOnFirstUse) {
    CTempDir dir;
    CIniSettingsStore store(dir.File("fernzahl.ini"), dir.File("data/inner"));
    EXPECT_FALSE(FileExists(dir.File("data")));
    EXPECT_EQ(store.GetProgramDirectory(), dir.File("data/inner/"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("data/inner")));
}

} // namespace
