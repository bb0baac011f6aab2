#include "sheet_pdf.h"

#include <QDate>
#include <QGuiApplication>
#include <QPdfWriter>
#include <cstdlib>
#include <memory>

#include "ui/calculation/sheet_printer.h"
#include "ui/calculation/sizing_sheet.h"

bool writeSheetPdf(const nk::Model& m, const std::string& path) {
    // Fonts need a GUI application; no display is needed for a PDF.
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "calc-table";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    QPdfWriter pdf(QString::fromStdString(path));
    // A printer's resolution, so the sheet's pen widths in device pixels
    // come out as on paper.
    pdf.setResolution(600);
    pdf.setPageLayout(nk::ui::sheetPageLayout());
    pdf.setTitle(QStringLiteral("Méretezési adatlap"));
    pdf.setCreator(QStringLiteral("calc-table"));
    const auto ops = nk::ui::buildSizingSheet(m, QDate::currentDate(), m.ui->numberLocale());
    nk::ui::SheetPrinter printer(pdf);
    return nk::ui::runSheet(
        ops, [&](const nk::ui::SheetOp& op) { return printer.run(op); }, [](int) { return false; });
}
