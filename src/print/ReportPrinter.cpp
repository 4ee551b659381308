#include "print/ReportPrinter.h"

#include "calc/SectionLines.h"
#include "print/Fonts.h"
#include "store/files/AtomicFile.h"
#include "store/files/Failure.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <string_view>

namespace velmora::print {

QFont ReportPrinter::font() {
    return Fonts::timesNewRoman(11.25);
}

namespace {

// The first line of every work's section and of the totals.
bool startsSection(const QString& paragraph) {
    return paragraph.size() == calc::SectionLines::kRulerWidth &&
           paragraph.count(QLatin1Char('-')) == paragraph.size();
}

// Where a piece laid out at once ends: at most so many lines and characters on from `from`, and,
// where a section starts within that reach, at the last such start, so that no section that fits
// on a page is ever cut in two by the pieces.
qsizetype pieceEnd(const QStringList& paragraphs, qsizetype from) {
    qsizetype to = from;
    qsizetype characters = 0;
    qsizetype lastStart = from;
    while (to < paragraphs.size() && to - from < ReportPrinter::kPieceLines &&
           characters < ReportPrinter::kPieceCharacters) {
        if (to > from && startsSection(paragraphs[to])) lastStart = to;
        characters += paragraphs[to++].size() + 1;
    }
    return to < paragraphs.size() && lastStart > from ? lastStart : to;
}

// Puts the text's lines on pages of the given height, handing each line to `place` with its page
// (counted from 1) and its place there; returns the number of pages.
//
// A text laid out in one piece can be taller than the layout's coordinates reach at the
// printer's resolution (a report of some hundred thousand lines), and it then prints as a blank
// page. It is laid out a few thousand lines at a time instead, and the lines are put on the pages
// one after the other, spaced as the layout spaced them: a line that would cross the foot of a
// page starts the next, and so does a section that would, when it fits on one page.
template <typename Place>
int placeLines(const QStringList& paragraphs, QPagedPaintDevice& printer, QSizeF page,
               Place place) {
    qreal laidOut = 0; // height of the pieces before this one
    qreal pageTop = 0; // where, in that running height, the current page begins
    int pages = 0;
    for (qsizetype from = 0; from < paragraphs.size();) {
        const qsizetype to = pieceEnd(paragraphs, from);

        QTextDocument piece;
        piece.documentLayout()->setPaintDevice(&printer);
        piece.setDefaultFont(ReportPrinter::font());
        piece.setDocumentMargin(0);
        QTextOption option = piece.defaultTextOption();
        option.setTabStopDistance(ReportPrinter::kTabStop);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        piece.setDefaultTextOption(option);
        piece.setTextWidth(page.width());
        piece.setPlainText(paragraphs.mid(from, to - from).join(QLatin1Char('\n')));
        const qreal height = piece.size().height();

        // The running height at which the section under way ends.
        qreal sectionEnd = 0;
        for (QTextBlock block = piece.begin(); block.isValid(); block = block.next()) {
            const QTextLayout* layout = block.layout();
            const QPointF origin = layout->position();
            if (startsSection(paragraphs[from + block.blockNumber()])) {
                QTextBlock last = block;
                while (last.next().isValid() &&
                       !startsSection(paragraphs[from + last.next().blockNumber()]))
                    last = last.next();
                // A section running on past this piece is longer than any page.
                const bool whole = last.next().isValid() || to == paragraphs.size() ||
                                   startsSection(paragraphs[to]);
                const QRectF bounds = last.layout()->boundingRect();
                sectionEnd = whole ? laidOut + last.layout()->position().y() + bounds.bottom()
                                   : laidOut + height;
            }
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const qreal top = laidOut + origin.y() + line.y();
                // A section that fits on a page but not on the rest of this one starts the next.
                const bool keptWhole =
                    i == 0 && startsSection(paragraphs[from + block.blockNumber()]) &&
                    sectionEnd - top <= page.height() && sectionEnd - pageTop > page.height();
                if (pages == 0 || keptWhole || top + line.height() - pageTop > page.height()) {
                    ++pages;
                    pageTop = top;
                }
                place(line, QPointF(origin.x(), top - pageTop - line.y()), pages);
            }
        }
        laidOut += height;
        from = to;
    }
    return std::max(pages, 1);
}

} // namespace

bool ReportPrinter::print(const QString& text, QPagedPaintDevice& printer, QDate printedOn) {
    // Room for binding on the left; a printer that cannot print so near the edge keeps its own.
    printer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer)) return false;

    // Painting starts at the corner of the printable area, inside the printer's margins. The
    // foot of every page keeps a line for the page number and the date, a blank line above it.
    const QSizeF printable =
        printer.pageLayout().paintRectPixels(printer.logicalDpiY()).size().toSizeF();
    const QFont footFont = font();
    const qreal footLine = QFontMetricsF(footFont, &printer).height();
    const QSizeF page(printable.width(), printable.height() - 2 * footLine);

    // Report text from the section files ends its lines with CR LF; the layout wants one break.
    const QStringList paragraphs = QString(text)
                                       .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                       .split(QLatin1Char('\n'));

    // The number of pages is known once every line has its place, so the lines are placed twice:
    // counted first, then drawn.
    const int pages = placeLines(paragraphs, printer, page, [](const QTextLine&, QPointF, int) {});
    int drawn = 0;
    const auto startPage = [&](int number) {
        if (number > 1 && !printer.newPage()) return false;
        const QRectF band(0, printable.height() - footLine, printable.width(), footLine);
        painter.setFont(footFont);
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Σελίδα %1 από %2").arg(number).arg(pages));
        painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                         printedOn.toString(QStringLiteral("dd/MM/yyyy")));
        drawn = number;
        return true;
    };
    bool fine = true;
    placeLines(paragraphs, printer, page, [&](const QTextLine& line, QPointF at, int number) {
        while (fine && drawn < number)
            fine = startPage(drawn + 1);
        if (fine) line.draw(&painter, at);
    });
    while (fine && drawn < pages)
        fine = startPage(drawn + 1);
    return painter.end() && fine;
}

store::Status ReportPrinter::writePdf(const QString& text, const std::filesystem::path& file) {
    const auto cannotWrite = [&file](std::string reason = {}) {
        return store::Failure::of(store::Error::Kind::WriteFailed, file, std::move(reason),
                                  store::Error::Context::Pdf);
    };
    const auto inTheWay = [&file] {
        return store::Failure::of(store::Error::Kind::WriteFailed, file, {},
                                  store::Error::Context::PdfInTheWay);
    };
    // Only a file is ever replaced by the PDF; anything else at the name is left as it is, and
    // said so before any page is drawn.
    if (!store::AtomicFile::checkTarget(file)) return inTheWay();
    QBuffer drawn;
    if (!drawn.open(QIODevice::WriteOnly)) return cannotWrite();
    {
        QPdfWriter pdf(&drawn);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(kPdfResolution);
        if (!print(text, pdf)) return cannotWrite();
    }
    // The finished file takes its place the way every file of the program does.
    const QByteArray& bytes = drawn.data();
    if (store::Status written = store::AtomicFile::replace(
            file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        !written) {
        // Something put at the name meanwhile is told as such.
        if (!store::AtomicFile::checkTarget(file)) return inTheWay();
        return cannotWrite(written.error().reason);
    }
    return {};
}

} // namespace velmora::print
