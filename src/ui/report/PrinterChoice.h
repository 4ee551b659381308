#pragma once

#include <QString>

class QTextEdit;
class QWidget;

namespace velmora::ui {

// The report shell's printing: the printer is chosen here, the pages are laid out by
// print::ReportPrinter.
class PrinterChoice {
public:
    // What printing the box puts on paper: its selection, or its whole text when nothing is
    // selected.
    static QString printedText(const QTextEdit& box);

    // Asks for a printer through the print dialog and prints the box's printed text; the
    // dialog's own choice of range does not matter. A cancelled dialog prints nothing.
    static void printBox(QTextEdit& box, QWidget* parent);

    // Shows the pages that printing the box would give, laid out as on paper; the preview can
    // print them too.
    static void previewBox(QTextEdit& box, QWidget* parent);
};

} // namespace velmora::ui
