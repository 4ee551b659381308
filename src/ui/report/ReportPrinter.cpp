#include "ui/report/ReportPrinter.h"

#include "store/AtomicFile.h"
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
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextLayout>
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

    // Painting starts at the corner of the printable area, inside the printer's margins.
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    // Report text from the section files ends its lines with CR LF; the layout wants one break.
    const QStringList paragraphs = QString(text)
                                       .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                       .split(QLatin1Char('\n'));

    // A text laid out in one piece can be taller than the layout's coordinates reach at the
    // printer's resolution (a report of some hundred thousand lines), and it then prints as a
    // blank page. It is laid out a few thousand lines at a time instead, and the lines are put on
    // the pages one after the other, a line that would cross the foot of a page starting the
    // next, spaced as the layout spaced them.
    qreal laidOut = 0; // height of the pieces before this one
    qreal pageTop = 0; // where, in that running height, the current page begins
    bool pageUsed = false;
    for (qsizetype from = 0; from < paragraphs.size();) {
        qsizetype to = from;
        qsizetype characters = 0;
        while (to < paragraphs.size() && to - from < kPieceLines && characters < kPieceCharacters)
            characters += paragraphs[to++].size() + 1;

        QTextDocument piece;
        piece.documentLayout()->setPaintDevice(&printer);
        piece.setDefaultFont(font());
        piece.setDocumentMargin(0);
        QTextOption option = piece.defaultTextOption();
        option.setTabStopDistance(kTabStop);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        piece.setDefaultTextOption(option);
        piece.setTextWidth(page.width());
        piece.setPlainText(paragraphs.mid(from, to - from).join(QLatin1Char('\n')));
        const qreal height = piece.size().height();

        for (QTextBlock block = piece.begin(); block.isValid(); block = block.next()) {
            const QTextLayout* layout = block.layout();
            const QPointF origin = layout->position();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const qreal top = laidOut + origin.y() + line.y();
                if (pageUsed && top + line.height() - pageTop > page.height()) {
                    if (!printer.newPage()) return false;
                    pageTop = top;
                }
                if (!pageUsed) pageTop = top;
                pageUsed = true;
                line.draw(&painter, QPointF(origin.x(), top - pageTop - line.y()));
            }
        }
        laidOut += height;
        from = to;
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
    // Only a file is ever replaced by the PDF; anything else at the name is left as it is, and
    // said so before any page is drawn.
    if (!store::AtomicFile::checkTarget(file))
        return store::Failure::of(store::Error::Kind::WriteFailed, file, {},
                                  store::Failure::kPdfInTheWay);
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
        !written) {
        // Something put at the name meanwhile is told as such.
        if (!store::AtomicFile::checkTarget(file))
            return store::Failure::of(store::Error::Kind::WriteFailed, file, {},
                                      store::Failure::kPdfInTheWay);
        return cannotWrite(written.error().reason);
    }
    return {};
}

} // namespace velmora::ui
