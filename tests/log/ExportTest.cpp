#include "core/FileLayer.h"
#include "log/AutoExport.h"
#include "log/ExportLine.h"
#include "log/ProtokollFile.h"
#include "log/ProtokollFilter.h"
#include "log/ProtokollRows.h"

#include "core/StringTable.h"
#include "platform/IniSettingsStore.h"
#include "support/FileSizeLimit.h"
#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const CStringTable& Strings() {
    static const CStringTable table = CStringTable::Parse(ReadFile(FERNZAHL_SOURCE_DIR "/resources/strings.txt"));
    return table;
}

struct ExportTest : ::testing::Test {
    CTempDir dir;
    CProtokollFile log{dir.Path()};

    void Append(const CDateTime& start, int64_t seconds, int64_t costs, const std::string& name, bool deleted = false) {
        AppendToLog(dir.Path(), SampleEntry(start, seconds, costs, name), deleted);
    }
    std::string Export() {
        EXPECT_TRUE(log.ExportText(dir.File("Export.txt"), nullptr, Strings()));
        return ReadFile(dir.File("Export.txt"));
    }
};

const char* kHeader = "Start;Duration;Units;Costs;Connection;User;Device;Tariff\r\n";

TEST_F(ExportTest, GermanLinesInFileOrderWithoutTheDeletedRecord) {
    CLocaleGuard locale("de_DE.UTF-8");
    ASSERT_TRUE(locale.IsActive());
    Append(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 3725, 1200, "T-Online");
    Append(CDateTime::FromDate(2026, 12, 7, 11, 0, 0), 60, 500, "gone", true);
    Append(CDateTime::FromDate(2026, 12, 8), 25 * 3600, 0, "Grüße;extra");
    Append(CDateTime::FromDate(2026, 12, 9), 502 * 3600 + 39 * 60 + 14, 0, "long");
    // A duration keeps its days: hours go on past 24.
    EXPECT_EQ(Export(), std::string(kHeader) + "07.12.2026 10:00:00;01:02:05;3;0,12;T-Online;anna;ppp0;Mobil\r\n"
                                               "08.12.2026;25:00:00;3;0,00;Grüße;extra;anna;ppp0;Mobil\r\n"
                                               "09.12.2026;502:39:14;3;0,00;long;anna;ppp0;Mobil\r\n");
}

TEST_F(ExportTest, AmericanLocaleAndRounding) {
    CLocaleGuard locale("en_US.UTF-8");
    ASSERT_TRUE(locale.IsActive());
    Append(CDateTime::FromDate(2026, 12, 7, 14, 5, 9), 90, 1250, "a");
    Append(CDateTime::FromDate(2026, 12, 7, 14, 5, 9), 90, -1249, "b");
    EXPECT_EQ(Export(), std::string(kHeader) + "12/07/2026 02:05:09 PM;00:01:30;3;0.13;a;anna;ppp0;Mobil\r\n"
                                               "12/07/2026 02:05:09 PM;00:01:30;3;-0.12;b;anna;ppp0;Mobil\r\n");
}

TEST_F(ExportTest, ShownRowsAreWrittenInLogOrderWhateverTheListsOrder) {
    CLocaleGuard locale("de_DE.UTF-8");
    Append(CDateTime::FromDate(2026, 1, 2, 3, 4, 5), 60, 100, "first");
    Append(CDateTime::FromDate(2026, 1, 3, 3, 4, 5), 60, 900, "hidden");
    Append(CDateTime::FromDate(2025, 1, 2, 3, 4, 5), 60, 500, "third");
    CProtokollFilter filter;
    filter.Scan(dir.Path(), CDateTime::FromDate(2026, 12, 7), Strings());
    filter.dearest = CMoney(500);
    filter.SetActive(true);
    CProtokollRows rows;
    rows.Read(dir.Path(), &filter, Strings());
    EXPECT_EQ(rows.Order(CProtokollRows::kCosts, true), (std::vector<uint32_t>{1, 0}));
    ASSERT_TRUE(log.ExportText(dir.File("rows.txt"), &rows, Strings()));
    EXPECT_EQ(ReadFile(dir.File("rows.txt")), std::string(kHeader) +
                                                  "02.01.2026 03:04:05;00:01:00;3;0,01;first;anna;ppp0;Mobil\r\n"
                                                  "02.01.2025 03:04:05;00:01:00;3;0,05;third;anna;ppp0;Mobil\r\n");
}

TEST_F(ExportTest, EmptyLogGivesTheHeaderOnlyAndFailuresAreReported) {
    EXPECT_EQ(Export(), kHeader);
    EXPECT_FALSE(log.ExportText(dir.File("missing/Export.txt"), nullptr, Strings()));
    EXPECT_FALSE(log.ExportText("/dev/full", nullptr, Strings()));
    // Through a symbolic link, as the user named it: the link stays, its target gets the export.
    std::filesystem::create_symlink("target.txt", dir.File("link.txt"));
    EXPECT_TRUE(log.ExportText(dir.File("link.txt"), nullptr, Strings()));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.txt")));
    EXPECT_EQ(ReadFile(dir.File("target.txt")), kHeader);
}

// A full disk at any step of the rewrite: the export is the last one or the new one, whole, and
// no stray file is left. (A failure after the rename leaves the new one, not yet flushed.)
TEST_F(ExportTest, FailedExportLeavesTheLastOneWhole) {
    const std::string before = Export();
    Append(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 1200, "x");
    const std::string whole = std::string(kHeader) + "12/07/26 10:00:00;00:01:30;3;0.12;x;anna;ppp0;Mobil\r\n";
    for (unsigned failing = 1;; ++failing) {
        CFileLayer::FailOperation(failing);
        const bool written = log.ExportText(dir.File("Export.txt"), nullptr, Strings());
        const unsigned operations = CFileLayer::CountOperations();
        CFileLayer::FailOperation(0);
        const std::string after = ReadFile(dir.File("Export.txt"));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2) << "operation " << failing;
        if (failing > operations) {
            EXPECT_TRUE(written);
            EXPECT_EQ(after, whole);
            break;
        }
        EXPECT_FALSE(written) << "operation " << failing;
        EXPECT_TRUE(after == before || after == whole) << "operation " << failing << ": " << after;
    }
    // The disk fills up halfway through a longer export.
    Append(CDateTime::FromDate(2026, 12, 7, 11, 0, 0), 90, 1200, "y");
    {
        const CFileSizeLimit limit(whole.size() + 20);
        EXPECT_FALSE(log.ExportText(dir.File("Export.txt"), nullptr, Strings()));
    }
    EXPECT_EQ(ReadFile(dir.File("Export.txt")), whole);
}

TEST_F(ExportTest, AutomaticExportFollowsTheSetting) {
    CIniSettingsStore settings(dir.File("fernzahl.ini"), dir.Path());
    Append(CDateTime::FromDate(2026, 12, 7, 10, 0, 0), 90, 1200, "x");
    EXPECT_TRUE(AutoExport(settings, Strings()));
    EXPECT_FALSE(FileExists(dir.File("Log.txt")));
    settings.Write(Setting::kAutoExport, 1);
    EXPECT_TRUE(AutoExport(settings, Strings()));
    const std::string text = ReadFile(dir.File("Log.txt"));
    EXPECT_EQ(text.rfind(kHeader, 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
}

TEST(CostsText, RoundsHalfAwayFromZero) {
    EXPECT_EQ(FormatCostsTwoDecimals(CMoney(1250), ","), "0,13");
    EXPECT_EQ(FormatCostsTwoDecimals(CMoney(1249), "."), "0.12");
    EXPECT_EQ(FormatCostsTwoDecimals(CMoney(-50), "."), "-0.01");
    EXPECT_EQ(FormatCostsTwoDecimals(CMoney(-49), "."), "0.00");
    EXPECT_EQ(FormatCostsTwoDecimals(CMoney(1234567), "."), "123.46");
}

} // namespace
