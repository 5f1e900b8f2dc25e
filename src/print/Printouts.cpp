#include "print/Printouts.h"

#include "core/ResourceIds.h"
#include "core/StringTable.h"
#include "log/ProtokollRows.h"
#include "print/DruckLayout.h"
#include "settings/DateTimeText.h"
#include "settings/Formatting.h"
#include "summary/Zusammenfassung.h"

namespace {
CDruckLayout::Table MakeTable(const CStringTable& strings, unsigned title, unsigned page, std::vector<int> shares,
                              int divisor) {
    return {strings.Get(title), strings.Get(page), strings.Get(Str::kApplicationTitle), std::move(shares), divisor};
}
} // namespace

PrintoutColumns LogPrintoutColumns(const CStringTable& strings) {
    PrintoutColumns columns{
        MakeTable(strings, Str::kLogTitle, Str::kLogPage, {0, 112, 172, 246, 298, 410, 520, 680}, 790), {}};
    for (int column = 0; column < CProtokollRows::kColumns; ++column) {
        columns.headings.push_back(strings.Get(CProtokollRows::Heading(column)));
    }
    return columns;
}

PrintoutColumns SummaryPrintoutColumns(const CStringTable& strings, CZusammenfassung::Mode mode) {
    PrintoutColumns columns{MakeTable(strings, Str::kSummaryTitle, Str::kSummaryPage, {0, 150, 230, 310, 390}, 470),
                            {strings.Get(CZusammenfassung::LabelHeading(mode))}};
    for (int column = 1; column < CZusammenfassung::kColumns; ++column) {
        columns.headings.push_back(strings.Get(CZusammenfassung::Heading(column)));
    }
    return columns;
}

bool PrintLog(QPrinter& printer, const CProtokollRows& rows, const std::vector<uint32_t>& order,
              const CStringTable& strings) {
    PrintoutColumns columns = LogPrintoutColumns(strings);
    CDruckLayout page(printer, std::move(columns.table));
    if (!page.IsActive()) {
        return false;
    }
    page.Headings(columns.headings);
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    CDateTimeText startText;
    const std::vector<bool> fitted = {false, false, false, false, true, true, true, true};
    for (const uint32_t row : order) {
        const ProtokollZeile& r = rows[row];
        // Where the locale's time with seconds (and AM/PM) is too wide for the column, the time
        // is printed in hours and minutes of 24 rather than running into the duration.
        std::string start = startText.Format(r.start);
        if (!page.Fits(0, start)) {
            start = r.start.Format("%x %H:%M");
        }
        page.Row({start, FormatDuration(r.duration.GetDays(), facts), std::to_string(r.units),
                  FormatAmount(r.costs, facts), rows.Text(r.connectionName), rows.Text(r.userName),
                  rows.Text(r.deviceName), rows.Text(r.tariffName)},
                 fitted);
    }
    page.EndRows();
    const LogTotals& totals = rows.Totals();
    page.Closing({strings.Get(Str::kLogTotal), FormatDuration(totals.duration.GetDays(), facts),
                  std::to_string(totals.units), FormatAmount(totals.costs, facts),
                  strings.FormatCount(Str::kLogPrintedRows, static_cast<int64_t>(order.size()),
                                      {std::to_string(order.size())})});
    return true;
}

bool PrintSummary(QPrinter& printer, const CZusammenfassung& summary, const std::vector<uint32_t>& order,
                  const CStringTable& strings) {
    PrintoutColumns columns = SummaryPrintoutColumns(strings, summary.GetMode());
    CDruckLayout page(printer, std::move(columns.table));
    if (!page.IsActive()) {
        return false;
    }
    page.Headings(columns.headings);
    const LocaleFacts facts = LocaleFacts::FromCLibrary();
    for (const uint32_t group : order) {
        const ZusammenfassungGruppe& g = summary[group];
        page.Row({g.label, std::to_string(g.count), FormatDuration(g.duration.GetDays(), facts),
                  std::to_string(g.units), FormatAmount(g.costs, facts)},
                 {true});
    }
    page.EndRows();
    return true;
}
