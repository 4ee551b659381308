#pragma once

#include "store/base/Result.h"

#include <QString>

#include <vector>

class QPrintDialog;
class QPrintPreviewDialog;
class QWidget;

namespace velmora::ui {

// Every modal dialog the program opens goes through here, so that tests can answer them instead
// of waiting on a real dialog.
class Dialogs {
public:
    class Handler {
    public:
        virtual ~Handler() = default;
        // A message the user must read; returns when it is dismissed.
        virtual void message(QWidget* parent, const QString& text) = 0;
        // A question with two answers; true for `yes`, false for `no` or when it is closed.
        virtual bool ask(QWidget* parent, const QString& text, const QString& yes,
                         const QString& no) = 0;
        // Runs the print dialog; true when the user confirmed it.
        virtual bool print(QPrintDialog& dialog) = 0;
        // Runs the print preview until the user closes it.
        virtual void preview(QPrintPreviewDialog& dialog) = 0;
        // Asks where to save a file, proposing `proposed` (a full path); empty when cancelled.
        virtual QString saveFile(QWidget* parent, const QString& caption, const QString& proposed,
                                 const QString& filter) = 0;
    };

    // Replaces the real dialogs; nullptr brings them back.
    static void setHandler(Handler* handler);

    static void message(QWidget* parent, const QString& text);
    static bool ask(QWidget* parent, const QString& text, const QString& yes, const QString& no);
    // Tells the user, in Greek, what went wrong; `before` opens the message when given.
    static void failure(QWidget* parent, const store::Error& error, const QString& before = {});
    static void failure(QWidget* parent, const std::vector<store::Error>& errors,
                        const QString& before = {});
    static bool print(QPrintDialog& dialog);
    static void preview(QPrintPreviewDialog& dialog);
    static QString saveFile(QWidget* parent, const QString& caption, const QString& proposed,
                            const QString& filter);

    // The title of the program's message boxes.
    static QString title() { return QStringLiteral("Velmora"); }
};

} // namespace velmora::ui
