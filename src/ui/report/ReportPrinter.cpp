#include "ui/report/ReportPrinter.h"

#include "store/ExportFile.h"
#include "store/Failure.h"
#include "store/TextPath.h"
#include "ui/services/Dialogs.h"
#include "ui/services/Fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextOption>

namespace velmora::ui {

QFont ReportPrinter::font() {
    return Fonts::timesNewRoman(11.25);
}

bool ReportPrinter::print(const QString& text, QPrinter& printer) {
    // Room for binding on the left; a printer that cannot print so near the edge keeps its own.
    printer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer)) return false;

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    document.setDefaultFont(font());
    document.setDocumentMargin(0);
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(kTabStop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    // Report text from the section files ends its lines with CR LF; the layout wants one break.
    document.setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // Painting starts at the corner of the printable area, inside the printer's margins.
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    document.setPageSize(page.size());
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !printer.newPage()) return false;
        painter.save();
        painter.translate(0, -page.height() * index);
        document.drawContents(&painter, page.translated(0, page.height() * index));
        painter.restore();
    }
    return painter.end();
}

QString ReportPrinter::printedText(const QTextEdit& box) {
    const QTextCursor cursor = box.textCursor();
    return cursor.hasSelection() ? cursor.selection().toPlainText() : box.toPlainText();
}

void ReportPrinter::printBox(QTextEdit& box, QWidget* parent) {
    const bool selected = box.textCursor().hasSelection();

    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dlgCommonDialog(&printer, parent);
    dlgCommonDialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dlgCommonDialog.setWindowTitle(QStringLiteral("Print"));
    dlgCommonDialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlgCommonDialog.setOption(QAbstractPrintDialog::PrintSelection, true);
    dlgCommonDialog.setPrintRange(selected ? QAbstractPrintDialog::Selection
                                           : QAbstractPrintDialog::AllPages);
    if (!Dialogs::print(dlgCommonDialog)) return;

    if (!print(printedText(box), printer))
        Dialogs::message(parent, QStringLiteral("Η εκτύπωση δεν έγινε: ο εκτυπωτής δεν δέχτηκε "
                                                "την εργασία."));
}

void ReportPrinter::previewBox(QTextEdit& box, QWidget* parent) {
    const QString text = printedText(box);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("dlgPreview"));
    preview.setWindowTitle(QStringLiteral("Προεπισκόπηση εκτύπωσης"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&text](QPrinter* pages) { print(text, *pages); });
    Dialogs::preview(preview);
}

store::Status ReportPrinter::writePdf(const QString& text, const std::filesystem::path& file) {
    const auto cannotWrite = [&file](std::string reason = {}) {
        return store::Failure::of(store::Error::Kind::WriteFailed, file, std::move(reason),
                                  store::Failure::kPdf);
    };
    // The printer writes by name, so it writes into a folder of our own; the finished file then
    // takes its place the way every file of the program does.
    QTemporaryDir scratch;
    if (!scratch.isValid()) return cannotWrite();
    const QString drawn = scratch.filePath(QStringLiteral("report.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(drawn);
        if (!print(text, printer)) return cannotWrite();
    }
    if (store::Status written =
            store::ExportFile::put(store::TextPath::fromUtf8(drawn.toStdString()), file, kPdfLimit);
        !written)
        return cannotWrite(written.error().reason);
    return {};
}

} // namespace velmora::ui
