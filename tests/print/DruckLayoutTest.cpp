#include "print/DruckLayout.h"
#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPrinter>

namespace {

// A PDF printer whose printable height is exactly what the test asks, to the device unit; a
// paper size is only as fine as a point.
class CPrinterOfHeight : public QPrinter {
public:
    CPrinterOfHeight(int height, const std::string& file) : QPrinter(QPrinter::HighResolution), m_height(height) {
        setOutputFormat(QPrinter::PdfFormat);
        setOutputFileName(QString::fromStdString(file));
    }

protected:
    int metric(PaintDeviceMetric metric) const override {
        return metric == PdmHeight ? m_height : QPrinter::metric(metric);
    }

private:
    int m_height;
};

QGuiApplication& Application() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_print";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return application;
}

const CDruckLayout::Table kTable = {"Connection log", "Page %1", "Fernzahl", {0, 500}, 1000};
constexpr int kBottomMargin = 120;

std::string RowText(int row) {
    return "Row" + std::to_string(row) + "end";
}

// Prints the rows and tells where the line stood after each of them.
std::vector<int> PrintRows(QPrinter& printer, int rows) {
    CDruckLayout page(printer, kTable);
    EXPECT_TRUE(page.IsActive());
    page.Headings({"Connection", "Costs"});
    std::vector<int> lines;
    for (int row = 1; row <= rows; ++row) {
        page.Row({RowText(row), "0,12"}, {true, false});
        lines.push_back(page.Line());
    }
    page.EndRows();
    return lines;
}

TEST(DruckLayoutTest, ARowEndingExactlyOnTheBottomLimitStaysOnItsPage) {
    Application();
    CTempDir dir;
    CPrinterOfHeight tall(100000, dir.File("tall.pdf"));
    const int rowsOnFirstPage = 20;
    const int bottom = PrintRows(tall, rowsOnFirstPage).back();

    CPrinterOfHeight exact(bottom + kBottomMargin, dir.File("exact.pdf"));
    PrintRows(exact, rowsOnFirstPage + 1);
    const std::vector<std::string> pages = PdfTextPages(dir.File("exact.pdf"));
    ASSERT_GE(pages.size(), 2u);
    EXPECT_NE(pages[0].find(RowText(rowsOnFirstPage)), std::string::npos) << pages[0];
    EXPECT_EQ(pages[0].find(RowText(rowsOnFirstPage + 1)), std::string::npos) << pages[0];
    EXPECT_NE(pages[1].find(RowText(rowsOnFirstPage + 1)), std::string::npos) << pages[1];
    EXPECT_NE(pages[1].find("Page 2"), std::string::npos) << pages[1];
}

} // namespace
