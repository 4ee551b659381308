#pragma once

#include "store/base/Status.h"

#include <QDate>
#include <QFont>
#include <QString>

#include <filesystem>

class QPagedPaintDevice;

namespace velmora::print {

// The fee report on paper. The report shell's print button and `velmora-cli report --pdf` both
// lay the text out here, so a PDF shows exactly what the printer gets.
class ReportPrinter {
public:
    // Times New Roman 11.25 pt, or a serif font with Greek letters where it is not installed.
    static QFont font();

    // Tab stops every half inch. Qt scales the distance from 96 dots an inch to the device's
    // resolution itself, on screen and on paper alike.
    static constexpr qreal kTabStop = 48;

    // How much of a report is laid out at once, in lines and in characters: far below the height
    // the layout can reach at a printer's resolution.
    static constexpr qsizetype kPieceLines = 2000;
    static constexpr qsizetype kPieceCharacters = 200000;

    // The PDF is A4 at the resolution of a high-resolution printer.
    static constexpr int kPdfResolution = 1200;

    // Lays the plain text out on the pages (a printer's or a PDF's) and draws it, each page with
    // its number and the date of printing at the foot, each section of the report on one page
    // where it fits on one; false when the device would not start or stopped.
    static bool print(const QString& text, QPagedPaintDevice& printer,
                      QDate printedOn = QDate::currentDate());

    // Writes the text as a PDF file. The file is replaced whole or not at all.
    static store::Status writePdf(const QString& text, const std::filesystem::path& file);
};

} // namespace velmora::print
