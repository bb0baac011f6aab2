// "&Nyomtatás": the sizing data sheet on a printer or in a PDF file.

#include <QDate>
#include <QFile>
#include <QPrinterInfo>

#include "ui/calculation/calculation_window.h"
#include "ui/calculation/sheet_printer.h"

namespace nk::ui {

namespace {

// The number a printer reports when it cannot be opened at all.
int refusedNumber(const QPrinter& printer) {
    const bool noPrinter =
        printer.outputFormat() == QPrinter::NativeFormat && QPrinterInfo::printerInfo(printer.printerName()).isNull();
    return noPrinter ? 27 : kPrinterError;
}

}  // namespace

bool FrmKombinalt::printErrorRetry(int number) {
    messages_.beep();
    messages_.show(this, printErrorText(number), QString(), MsgIcon::None);
    return messages_.ask(this,
                         QStringLiteral("Kattintson az OK-re, ha a hibát sikerült kijavítani!"
                                        "Ha nem sikerült, kattintson a Cancel-re!"),
                         QString(), MsgIcon::None, Question::OkCancel) == Answer::Ok;
}

void FrmKombinalt::Command7_Click() {
    // An input out of its bounds would fail again at every retry: it is
    // reported once and nothing is printed.
    if (const int error = sheetInputError(m_)) {
        messages_.beep();
        messages_.show(this, printErrorText(error), QString(), MsgIcon::None);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheetPageLayout());
    printer.setDocName(QStringLiteral("Méretezési adatlap"));
    if (!dialogs_.choosePrinter(this, printer)) {
        messages_.beep();
        return;
    }
    const std::vector<SheetOp> ops = buildSizingSheet(m_, QDate::currentDate(), numberLocale());
    SheetPrinter sheet(printer, refusedNumber(printer));
    const bool printed =
        runSheet(ops, [&](const SheetOp& op) { return sheet.run(op); }, [this](int n) { return printErrorRetry(n); });
    if (!printed) {
        // Given up after an error: the job is withdrawn, not half sent. A PDF
        // file cannot be withdrawn once begun, so the half page is removed.
        const bool begun = sheet.open();
        const bool withdrawn = printer.abort();
        sheet.discard();
        if (begun && !withdrawn && printer.outputFormat() == QPrinter::PdfFormat)
            QFile::remove(printer.outputFileName());
    }
}

}  // namespace nk::ui
