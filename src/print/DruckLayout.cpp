#include "print/DruckLayout.h"

#include "core/FitText.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPrinter>

namespace {
constexpr int kMarginLeft = 80;
constexpr int kMarginTop = 40;
constexpr int kMarginRight = 80;
constexpr int kMarginBottom = 120;
constexpr int kRuleWidth = 4;
constexpr int kFitMargin = 5;
constexpr int kTitleHeight = 150;
constexpr int kSubtitleHeight = 75;
constexpr int kHeaderHeight = 50;
constexpr int kTextHeight = 40;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Times New Roman where it is installed, else its metric twin.
QString Typeface() {
    const QString times = QStringLiteral("Times New Roman");
    return QFontDatabase::hasFamily(times) ? times : QStringLiteral("Liberation Serif");
}
} // namespace

QFont CDruckLayout::Font(int height, bool cellHeight, bool bold, const QPrinter& printer) {
    QFont font(Typeface());
    font.setStyleHint(QFont::Serif);
    font.setBold(bold);
    font.setItalic(bold);
    font.setPixelSize(height);
    if (cellHeight) {
        // The cell counts the internal leading: the character height is scaled down to fit.
        const int cell = QFontMetrics(font, &printer).height();
        font.setPixelSize(std::max(1, height * height / cell));
    }
    return font;
}

CDruckLayout::CDruckLayout(QPrinter& printer, Table table) : m_printer(printer), m_table(std::move(table)) {
    m_printer.setResolution(kDotsPerInch);
    m_printer.setDocName(Q(m_table.subtitle + " - " + m_table.title));
    m_titleFont = Font(kTitleHeight, true, true, printer);
    m_subtitleFont = Font(kSubtitleHeight, true, true, printer);
    m_headerFont = Font(kHeaderHeight, true, true, printer);
    m_headingFont = Font(kTextHeight, false, true, printer);
    m_rowFont = Font(kTextHeight, false, false, printer);
    if (!m_painter.begin(&m_printer)) {
        return;
    }
    SetArea();
    m_line = m_top;
    DrawText(m_left, m_titleFont, m_table.title);
    Advance(m_titleFont, 20);
    DrawText(m_left, m_subtitleFont, m_table.subtitle);
    Advance(m_subtitleFont, 2);
}

CDruckLayout::~CDruckLayout() {
    Finish();
}

void CDruckLayout::Finish() {
    if (!m_finished && m_painter.isActive()) {
        m_painter.end();
    }
    m_finished = true;
}

void CDruckLayout::SetArea() {
    m_left = kMarginLeft;
    m_top = kMarginTop;
    m_right = m_printer.width() - kMarginRight;
    m_bottom = m_printer.height() - kMarginBottom;
}

int CDruckLayout::LineHeight(const QFont& font) const {
    return QFontMetrics(font, &m_printer).height();
}

void CDruckLayout::Advance(const QFont& font, int divisor) {
    const int height = LineHeight(font);
    m_line += height + height / divisor;
}

// At the top left of the text's cell.
void CDruckLayout::DrawText(int x, const QFont& font, const std::string& text) {
    m_painter.setFont(font);
    m_painter.drawText(x, m_line + QFontMetrics(font, &m_printer).ascent(), Q(text));
}

void CDruckLayout::Rule(int after) {
    m_painter.setPen(QPen(Qt::black, kRuleWidth));
    m_painter.drawLine(m_left, m_line, m_right, m_line);
    m_line += after;
}

int CDruckLayout::ColumnX(size_t column) const {
    if (column >= m_table.columnShares.size()) {
        return m_right;
    }
    const int64_t width = m_right - m_left;
    return m_left + static_cast<int>(m_table.columnShares[column] * width / m_table.shareDivisor);
}

int CDruckLayout::ColumnWidth(size_t column) const {
    return ColumnX(column + 1) - ColumnX(column);
}

void CDruckLayout::Headings(const std::vector<std::string>& headings) {
    for (size_t column = 0; column < headings.size(); ++column) {
        DrawText(ColumnX(column), m_headingFont, headings[column]);
    }
    Advance(m_headingFont, 10);
    Rule(5);
}

void CDruckLayout::Row(const std::vector<std::string>& cells, const std::vector<bool>& fitted) {
    const QFontMetrics metrics(m_rowFont, &m_printer);
    const TextWidth measure = [&](std::string_view text) {
        return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    for (size_t column = 0; column < cells.size(); ++column) {
        const bool fit = column < fitted.size() && fitted[column];
        DrawText(ColumnX(column), m_rowFont,
                 fit ? FitTextToWidth(cells[column], ColumnWidth(column), kFitMargin, measure) : cells[column]);
    }
    Advance(m_rowFont, 10);
    NextPageIfFull();
}

bool CDruckLayout::Fits(size_t column, const std::string& text) const {
    return FitsIn(column, m_rowFont, text);
}

bool CDruckLayout::HeadingFits(size_t column, const std::string& heading) const {
    return FitsIn(column, m_headingFont, heading);
}

bool CDruckLayout::FitsIn(size_t column, const QFont& font, const std::string& text) const {
    return QFontMetrics(font, &m_printer).horizontalAdvance(Q(text)) <= ColumnWidth(column) - kFitMargin;
}

void CDruckLayout::EndRows() {
    Rule(5);
}

void CDruckLayout::Closing(const std::vector<std::string>& cells) {
    NextPageIfFull();
    for (size_t column = 0; column < cells.size(); ++column) {
        DrawText(ColumnX(column), m_headingFont, cells[column]);
    }
    m_line += 2 * LineHeight(m_headingFont);
}

// A row is drawn on the page it starts on, even when it ends exactly on the bottom limit; the
// next line then begins a new page.
void CDruckLayout::NextPageIfFull() {
    if (m_bottom - m_line < 1) {
        NextPage();
    }
}

void CDruckLayout::NextPage() {
    m_printer.newPage();
    SetArea();
    ++m_page;
    m_line = m_top;
    DrawText(m_left, m_headerFont, m_table.title);
    QString number = Q(m_table.pageFormat);
    number.replace(QStringLiteral("%1"), QString::number(m_page));
    m_painter.setFont(m_headerFont);
    const QFontMetrics metrics(m_headerFont, &m_printer);
    m_painter.drawText(m_right - metrics.horizontalAdvance(number), m_line + metrics.ascent(), number);
    Advance(m_headerFont, 10);
    Rule(15);
}
