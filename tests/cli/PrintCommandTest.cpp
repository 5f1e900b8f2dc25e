#include "support/LogBuilder.h"
#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace {

// The printouts of fernzahl-cli as text, one string per page, read back with pdftotext. Paper is
// for people: it speaks the language the window would, here English chosen on a German desktop.
struct PrintCommandTest : ::testing::Test {
    CTempDir dir;

    void SetUp() override { WriteFile(dir.File("fernzahl.ini"), "[Allgemein]\nSprache=1\n"); }
    std::vector<std::string> Pages(const std::vector<std::string>& words) {
        std::vector<std::string> argv = {BinaryPath("fernzahl-cli"), "--data-dir", dir.Path()};
        argv.insert(argv.end(), words.begin(), words.end());
        argv.insert(argv.end(), {"--pdf", dir.File("out.pdf")});
        const ProcessResult printed =
            RunProcess(argv, {.set = {{"LC_ALL", "de_DE.UTF-8"}}, .unset = {"LANGUAGE", "LC_MESSAGES", "LANG"}});
        EXPECT_EQ(printed.exitCode, 0) << printed.err;
        return PdfTextPages(dir.File("out.pdf"));
    }
};

TEST_F(PrintCommandTest, LogPrintsTitleHeadingsRowsInListOrderAndTotals) {
    const CDateTime noon = CDateTime::FromDate(2026, 12, 7, 12, 0, 0);
    AppendToLog(dir.Path(), SampleEntry(noon, 26 * 3600, 1200, "Nachtschicht"));
    AppendToLog(dir.Path(), SampleEntry(noon, 60, 3400, std::string(60, 'W')));
    const std::vector<std::string> pages = Pages({"log", "print", "--sort", "costs", "--descending"});
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_TRUE(std::regex_search(page, std::regex("^Connection log\\s+Fernzahl\\s+Start +Duration +Units +Costs +"
                                                   "Connection +User +Device +Tariff\n")))
        << page;
    const size_t dear = page.find("WWW");
    EXPECT_LT(dear, page.find("Nachtschicht")) << "the dearest first, as listed";
    EXPECT_NE(page.find("WWWW...", dear), std::string::npos) << "a name too wide for its column is cut";
    EXPECT_EQ(page.find(std::string(60, 'W')), std::string::npos);
    EXPECT_TRUE(std::regex_search(page, std::regex("26:00:00 +3 +0,12 +Nachtschicht"))) << "a row's duration";
    EXPECT_TRUE(std::regex_search(page, std::regex("Total +26:01:00 +6 +0,46 +2 connections"))) << page;

    // The window's language, German by the desktop, with one connection in its form for one.
    WriteFile(dir.File("fernzahl.ini"), "[Allgemein]\nSprache=0\n");
    const std::string german = Pages({"log", "print", "--connection", "Nachtschicht"}).at(0);
    EXPECT_TRUE(std::regex_search(german, std::regex("^Verbindungsprotokoll\\s+Fernzahl\\s+Beginn +Dauer +Einheiten +"
                                                     "Kosten +Verbindung +Benutzer +Gerät +Tarif\n")))
        << german;
    EXPECT_TRUE(std::regex_search(german, std::regex("Summe +26:00:00 +3 +0,12 +1 Verbindung\n"))) << german;
}

TEST_F(PrintCommandTest, ALongListGoesOnWithARunningHeaderAndNoHeadings) {
    const CDateTime start = CDateTime::FromDate(2026, 12, 7, 0, 0, 0);
    for (int i = 0; i < 150; ++i) {
        AppendToLog(dir.Path(), SampleEntry(start + CTimeSpan::FromSeconds(i * 86400), 60, 100, "x"));
    }
    const std::vector<std::string> pages = Pages({"summary", "--by", "day"});
    ASSERT_GE(pages.size(), 2u);
    EXPECT_EQ(pages[0].find("Page"), std::string::npos) << "the first page carries no number";
    EXPECT_TRUE(std::regex_search(pages[0], std::regex("\nDay +Connections +Duration"))) << pages[0];
    EXPECT_TRUE(std::regex_search(pages[1], std::regex("^Connection summary +Page 2\n"))) << pages[1];
    EXPECT_EQ(pages[1].find("Connections"), std::string::npos) << "headings only on the first page";

    // Printed again onto a full disk (no file may grow past 4 KiB), or a flush that fails: the
    // command fails and the last printout stays whole.
    const std::string printed = ReadFile(dir.File("out.pdf"));
    const std::vector<std::string> again = {
        BinaryPath("fernzahl-cli"), "--data-dir", dir.Path(), "summary", "--by", "day", "--pdf", dir.File("out.pdf")};
    std::vector<std::string> full = {"/bin/sh", "-c", "trap '' XFSZ; exec /usr/bin/prlimit --fsize=4096 -- \"$@\"",
                                     "sh"};
    full.insert(full.end(), again.begin(), again.end());
    EXPECT_EQ(RunProcess(full).exitCode, 1);
    EXPECT_EQ(RunProcess(again, {.set = {{"FERNZAHL_FAIL_AT", "1"}}}).exitCode, 1);
    EXPECT_EQ(ReadFile(dir.File("out.pdf")), printed);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3)
        << "the log, the settings and the printout";
}

// A printout into a folder whose name is no UTF-8 lands there, under its own name.
TEST_F(PrintCommandTest, PrintoutGoesIntoAFolderNamedInAnotherEncoding) {
    AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 12, 0, 0), 60, 1200, "B\xFCro"));
    const std::string folder = dir.File("B\xFCro");
    std::filesystem::create_directory(folder);
    const ProcessResult printed = RunProcess(
        {BinaryPath("fernzahl-cli"), "--data-dir", dir.Path(), "log", "print", "--pdf", folder + "/Mai \xFC.pdf"});
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    ASSERT_EQ(PdfTextPages(folder + "/Mai \xFC.pdf").size(), 1u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "nothing else left there";
}

// Neither a device nor a pipe can be read back: what reaches it is checked as it is written.
TEST_F(PrintCommandTest, PrintoutIntoADeviceOrPipeFailsWhenItCannotBeWrittenWhole) {
    AppendToLog(dir.Path(), SampleEntry(CDateTime::FromDate(2026, 12, 7, 12, 0, 0), 60, 1200, "T-Online"));
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"log", "print"}, {"summary", "--by", "day"}}) {
        std::vector<std::string> argv = {BinaryPath("fernzahl-cli"), "--data-dir", dir.Path()};
        argv.insert(argv.end(), command.begin(), command.end());
        argv.insert(argv.end(), {"--pdf", "/dev/full"});
        const ProcessResult full = RunProcess(argv);
        EXPECT_EQ(full.exitCode, 1) << command[0] << ": " << full.err;
        EXPECT_NE(full.err.find("/dev/full"), std::string::npos) << full.err;
        argv.back() = "/dev/stdout"; // the test's pipe
        const ProcessResult piped = RunProcess(argv);
        EXPECT_EQ(piped.exitCode, 0) << piped.err;
        EXPECT_TRUE(piped.out.starts_with("%PDF-")) << command[0];
        EXPECT_NE(piped.out.find("%%EOF", piped.out.size() - 16), std::string::npos) << command[0];
    }
}

} // namespace
