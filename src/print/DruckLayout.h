#pragma once

#include <QFont>
#include <QPainter>

#include <string>
#include <vector>

class QPrinter;

// The page layout of the printouts, in device units at a fixed 300 dots per inch: a title block,
// column headings over a rule, one line per row, a rule under the last, and on every further page
// a running header with the title and the page number. Columns start at fixed shares of the print
// width.
class CDruckLayout {
public:
    struct Table {
        std::string title;
        std::string pageFormat; // "%1" is the page number
        std::string subtitle;   // the application's title
        std::vector<int> columnShares;
        int shareDivisor = 1;
    };
    static constexpr int kDotsPerInch = 300;

    // Starts the document on the printer; IsActive tells whether it could.
    CDruckLayout(QPrinter& printer, Table table);
    ~CDruckLayout();
    CDruckLayout(const CDruckLayout&) = delete;
    CDruckLayout& operator=(const CDruckLayout&) = delete;
    bool IsActive() const { return m_painter.isActive(); }

    void Headings(const std::vector<std::string>& headings);
    // One line of cells in the row font; the cells of the fitted columns are shortened to their
    // column. A line that reaches the bottom limit ends the page.
    void Row(const std::vector<std::string>& cells, const std::vector<bool>& fitted);
    // Whether a text fits its column in the row font, a heading in the headings' font.
    bool Fits(size_t column, const std::string& text) const;
    bool HeadingFits(size_t column, const std::string& heading) const;
    // The rule under the last row.
    void EndRows();
    // A closing line in the headings' font, on a new page when the present one is full.
    void Closing(const std::vector<std::string>& cells);
    void Finish();

    int PageNumber() const { return m_page; }
    // Where the next line starts, in device units from the top of the page.
    int Line() const { return m_line; }

private:
    void SetArea();
    void DrawText(int x, const QFont& font, const std::string& text);
    int LineHeight(const QFont& font) const;
    void Advance(const QFont& font, int divisor);
    void Rule(int after);
    void NextPage();
    void NextPageIfFull();
    int ColumnX(size_t column) const;
    int ColumnWidth(size_t column) const;
    static QFont Font(int height, bool cellHeight, bool bold, const QPrinter& printer);
    bool FitsIn(size_t column, const QFont& font, const std::string& text) const;

    QPrinter& m_printer;
    Table m_table;
    QPainter m_painter;
    QFont m_titleFont;
    QFont m_subtitleFont;
    QFont m_headerFont;
    QFont m_headingFont;
    QFont m_rowFont;
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
    int m_line = 0;
    int m_page = 1;
    bool m_finished = false;
};
