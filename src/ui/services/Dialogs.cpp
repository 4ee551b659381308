#include "ui/services/Dialogs.h"

#include "messages/Describe.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>

namespace velmora::ui {
namespace {

class RealDialogs : public Dialogs::Handler {
public:
    void message(QWidget* parent, const QString& text) override {
        QMessageBox::warning(parent, Dialogs::title(), text);
    }
    bool ask(QWidget* parent, const QString& text, const QString& yes, const QString& no) override {
        QMessageBox box(QMessageBox::Question, Dialogs::title(), text, QMessageBox::NoButton,
                        parent);
        QPushButton* accept = box.addButton(yes, QMessageBox::YesRole);
        box.setEscapeButton(box.addButton(no, QMessageBox::NoRole));
        box.setDefaultButton(accept);
        box.exec();
        return box.clickedButton() == accept;
    }
    bool print(QPrintDialog& dialog) override { return dialog.exec() == QDialog::Accepted; }
    void preview(QPrintPreviewDialog& dialog) override { dialog.exec(); }
    QString saveFile(QWidget* parent, const QString& caption, const QString& proposed,
                     const QString& filter) override {
        QFileDialog dialog(parent, caption, QFileInfo(proposed).path(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QFileInfo(proposed).suffix());
        dialog.selectFile(QFileInfo(proposed).fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().front();
    }
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

void Dialogs::setHandler(Handler* handler) {
    current() = handler ? handler : &real();
}

void Dialogs::message(QWidget* parent, const QString& text) {
    current()->message(parent, text);
}

bool Dialogs::ask(QWidget* parent, const QString& text, const QString& yes, const QString& no) {
    return current()->ask(parent, text, yes, no);
}

void Dialogs::failure(QWidget* parent, const store::Error& error, const QString& before) {
    failure(parent, std::vector<store::Error>{error}, before);
}

void Dialogs::failure(QWidget* parent, const std::vector<store::Error>& errors,
                      const QString& before) {
    message(parent, before + QString::fromStdString(messages::describe(errors)));
}

bool Dialogs::print(QPrintDialog& dialog) {
    return current()->print(dialog);
}

void Dialogs::preview(QPrintPreviewDialog& dialog) {
    current()->preview(dialog);
}

QString Dialogs::saveFile(QWidget* parent, const QString& caption, const QString& proposed,
                          const QString& filter) {
    return current()->saveFile(parent, caption, proposed, filter);
}

} // namespace velmora::ui
