#include "ui/services/Dialogs.h"

#include <QMessageBox>
#include <QPrintDialog>

namespace velmora::ui {
namespace {

class RealDialogs : public Dialogs::Handler {
public:
    void message(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, Dialogs::title(), text);
    }
    bool print(QPrintDialog& dialog) override { return dialog.exec() == QDialog::Accepted; }
};

Dialogs::Handler& real() {
    static RealDialogs dialogs;
    return dialogs;
}

Dialogs::Handler*& current() {
    static Dialogs::Handler* handler = &real();
    return handler;
}

} // namespace

void Dialogs::setHandler(Handler* handler) { current() = handler ? handler : &real(); }

void Dialogs::message(QWidget* parent, const QString& text) { current()->message(parent, text); }

bool Dialogs::print(QPrintDialog& dialog) { return current()->print(dialog); }

} // namespace velmora::ui
