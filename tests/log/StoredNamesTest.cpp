#include "core/StringTable.h"
#include "log/ChosenRecords.h"
#include "log/ProtokollFile.h"
#include "log/ProtokollFilter.h"
#include "log/ProtokollRows.h"
#include "summary/Zusammenfassung.h"

#include "support/LocaleGuard.h"
#include "support/LogBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The placeholders as the English and the German program store them.
constexpr const char* kEnglish = "419\t(all)\n450\t(unknown user)\n455\t(no description)\n571\t(Default tariff)\n";
constexpr const char* kGerman =
    "419\t(alle)\n450\t(unbekannter Benutzer)\n455\t(keine Beschreibung)\n571\t(Standardtarif)\n";

// One table shows the names, knowing the other language's.
CStringTable Shown(const char* shown, const char* other) {
    CStringTable table = CStringTable::Parse(shown);
    table.AddStoredNamesOf(CStringTable::Parse(other));
    return table;
}

const CDateTime kNoon = CDateTime::FromDate(2026, 12, 7, 12, 0, 0);

// A log that a user wrote with both languages: each placeholder once in English, once in German,
// and one record with names of its own.
struct StoredNamesTest : ::testing::Test {
    CTempDir dir;
    CStringTable english = Shown(kEnglish, kGerman);
    CStringTable german = Shown(kGerman, kEnglish);

    void SetUp() override {
        Append("(no description)", "(unknown user)", "(Default tariff)");
        Append("(keine Beschreibung)", "(unbekannter Benutzer)", "(Standardtarif)");
        Append("T-Online", "anna", "Mobil");
    }
    void Append(const std::string& name, const std::string& user, const std::string& tariff) {
        LogEntry entry = SampleEntry(kNoon + CTimeSpan::FromSeconds(3600 * ReadLog(dir.Path()).size()), 60, 1200, name);
        entry.userName = user;
        entry.tariffName = tariff;
        AppendToLog(dir.Path(), entry);
    }
    std::set<std::string> Column(const CProtokollRows& rows, CProtokollRows::Column column) {
        std::set<std::string> texts;
        LogEntry entry;
        for (size_t row = 0; row < rows.Size(); ++row) {
            rows.ToEntry(row, entry);
            texts.insert(column == CProtokollRows::kTariff ? entry.tariffName
                         : column == CProtokollRows::kUser ? entry.userName
                                                           : entry.connectionName);
        }
        return texts;
    }
};

TEST_F(StoredNamesTest, EitherLanguagesPlaceholderIsOneNameInTheListTheFilterAndTheSummary) {
    for (const CStringTable* strings : {&english, &german}) {
        const std::string tariff = strings->Get(571);
        CProtokollRows rows;
        rows.Read(dir.Path(), nullptr, *strings);
        EXPECT_EQ(Column(rows, CProtokollRows::kTariff), (std::set<std::string>{tariff, "Mobil"}));
        EXPECT_EQ(Column(rows, CProtokollRows::kUser), (std::set<std::string>{strings->Get(450), "anna"}));
        EXPECT_EQ(Column(rows, CProtokollRows::kConnection), (std::set<std::string>{strings->Get(455), "T-Online"}));
        EXPECT_EQ(rows.Order(CProtokollRows::kTariff, false), (std::vector<uint32_t>{0, 1, 2}))
            << "one name sorts as one";

        CZusammenfassung byUser;
        byUser.Build(CZusammenfassung::kUser, rows);
        ASSERT_EQ(byUser.Size(), 2u);
        EXPECT_EQ(byUser[0].label, strings->Get(450));
        EXPECT_EQ(byUser[0].count, 2u);

        CProtokollFilter filter;
        filter.Scan(dir.Path(), kNoon, *strings);
        EXPECT_EQ(filter.Choices(CProtokollFilter::kTariff),
                  (std::vector<std::string>{strings->Get(419), tariff, "Mobil"}));
        filter.SetActive(true);
        filter.Select(CProtokollFilter::kTariff, 1);
        rows.Read(dir.Path(), &filter, *strings);
        EXPECT_EQ(rows.Size(), 2u) << "the filter finds the records of both languages";
    }
}

TEST_F(StoredNamesTest, TheExportWritesOneNameAndTheStoredBytesStayAsTheyWere) {
    CLocaleGuard locale("de_DE.UTF-8");
    CProtokollFile log(dir.Path());
    ASSERT_TRUE(log.ExportText(dir.File("Export.txt"), nullptr, german));
    const std::string text = ReadFile(dir.File("Export.txt"));
    EXPECT_EQ(text.find("(Default tariff)"), std::string::npos);
    EXPECT_EQ(text.find("(unknown user)"), std::string::npos);
    EXPECT_NE(text.find("(keine Beschreibung);(unbekannter Benutzer);ppp0;(Standardtarif)\r\n"), std::string::npos);
    EXPECT_EQ(ReadLog(dir.Path()).front().tariffName, "(Default tariff)") << "older programs read the log";
}

TEST_F(StoredNamesTest, RowsChosenUnderOneLanguageAreDeletedWhateverLanguageStoredThem) {
    CProtokollRows rows;
    rows.Read(dir.Path(), nullptr, german);
    EXPECT_EQ(CChosenRecords::All(rows).Delete(dir.Path(), german), CChosenRecords::Outcome::kDeleted);
    EXPECT_TRUE(ReadLog(dir.Path()).empty());
}

TEST(StoredNames, OnlyThePlaceholdersAreMappedAndATableWithoutOtherLanguagesKeepsEveryText) {
    const CStringTable english = Shown(kEnglish, kGerman);
    EXPECT_EQ(english.ShownName("(Standardtarif)"), "(Default tariff)");
    EXPECT_EQ(english.ShownName("(alle)"), "(alle)") << "not a name a record stores";
    EXPECT_EQ(english.ShownName("Standardtarif"), "Standardtarif");
    EXPECT_EQ(CStringTable::Parse(kEnglish).ShownName("(Standardtarif)"), "(Standardtarif)");
}

} // namespace
