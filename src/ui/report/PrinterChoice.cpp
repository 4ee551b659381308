#include "ui/report/PrinterChoice.h"

#include "print/ReportPrinter.h"
#include "ui/services/Dialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace velmora::ui {

QString PrinterChoice::printedText(const QTextEdit& box) {
    const QTextCursor cursor = box.textCursor();
    return cursor.hasSelection() ? cursor.selection().toPlainText() : box.toPlainText();
}

void PrinterChoice::printBox(QTextEdit& box, QWidget* parent) {
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

    if (!print::ReportPrinter::print(printedText(box), printer))
        Dialogs::message(parent, QStringLiteral("Η εκτύπωση δεν έγινε: ο εκτυπωτής δεν δέχτηκε "
                                                "την εργασία."));
}

void PrinterChoice::previewBox(QTextEdit& box, QWidget* parent) {
    const QString text = printedText(box);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("dlgPreview"));
    preview.setWindowTitle(QStringLiteral("Προεπισκόπηση εκτύπωσης"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&text](QPrinter* pages) { print::ReportPrinter::print(text, *pages); });
    Dialogs::preview(preview);
}

} // namespace velmora::ui
