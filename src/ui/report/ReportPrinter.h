#pragma once

#include "store/base/Status.h"

#include <QDate>
#include <QFont>
#include <QString>

#include <cstddef>
#include <filesystem>

class QPrinter;
class QTextEdit;
class QWidget;

namespace velmora::ui {

// The fee report on paper. The report shell's print button and `velmora-cli report --pdf` both
// lay the text out here, so a PDF shows exactly what the printer gets.
class ReportPrinter {
public:
    // Times New Roman 11.25 pt, or a serif font with Greek letters where it is not installed.
    static QFont font();

    // Tab stops every half inch. Qt scales the distance from 96 dots an inch to the device's
    // resolution itself, on screen and on paper alike.
    static constexpr qreal kTabStop = 48;

    // Far beyond the PDF of any report; what the printer hands back is read only up to this.
    static constexpr std::size_t kPdfLimit = std::size_t(64) << 20;

    // How much of a report is laid out at once, in lines and in characters: far below the height
    // the layout can reach at a printer's resolution.
    static constexpr qsizetype kPieceLines = 2000;
    static constexpr qsizetype kPieceCharacters = 200000;

    // Lays the plain text out on the printer's pages and prints it, each page with its number
    // and the date of printing at the foot, each section of the report on one page where it
    // fits on one; false when the printer would not start or stopped.
    static bool print(const QString& text, QPrinter& printer,
                      QDate printedOn = QDate::currentDate());

    // What printing the box puts on paper: its selection, or its whole text when nothing is
    // selected.
    static QString printedText(const QTextEdit& box);

    // Asks for a printer through the print dialog and prints the box's printed text; the
    // dialog's own choice of range does not matter. A cancelled dialog prints nothing.
    static void printBox(QTextEdit& box, QWidget* parent);

    // Shows the pages that printing the box would give, laid out as on paper; the preview can
    // print them too.
    static void previewBox(QTextEdit& box, QWidget* parent);

    // Writes the text as a PDF file. The file is replaced whole or not at all.
    static store::Status writePdf(const QString& text, const std::filesystem::path& file);
};

} // namespace velmora::ui
