#include "cli/PdfOutput.h"

#ifdef FERNZAHL_PDF
#include "print/PdfFile.h"
#include "print/Printouts.h"
#endif

#include <functional>
#include <ostream>

namespace {
template <class Draw> int Written(const std::string& path, const CliContext& context, const Draw& draw) {
#ifdef FERNZAHL_PDF
    if (PrintToPdf(path, draw)) {
        return 0;
    }
    context.err << "fernzahl-cli: cannot write " << path << '\n';
#else
    (void)path;
    (void)draw;
    context.err << "fernzahl-cli: this build cannot print\n";
#endif
    return 1;
}
} // namespace

int WriteLogPdf(const std::string& path, const CliContext& context, const CProtokollRows& rows,
                const std::vector<uint32_t>& order, const CStringTable& strings) {
#ifdef FERNZAHL_PDF
    return Written(path, context, [&](QPrinter& printer) { return PrintLog(printer, rows, order, strings); });
#else
    (void)rows, (void)order, (void)strings;
    return Written(path, context, 0);
#endif
}

int WriteSummaryPdf(const std::string& path, const CliContext& context, const CZusammenfassung& summary,
                    const std::vector<uint32_t>& order, const CStringTable& strings) {
#ifdef FERNZAHL_PDF
    return Written(path, context, [&](QPrinter& printer) { return PrintSummary(printer, summary, order, strings); });
#else
    (void)summary, (void)order, (void)strings;
    return Written(path, context, 0);
#endif
}
