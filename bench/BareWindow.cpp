// The floor for start-up: a Qt window of the splash window's size with one line of Greek text, as
// the least a first window shows.
#include "ui/services/FirstFrame.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velmora::ui::FirstFrame::quitAfterIfAsked();
    QLabel window(QStringLiteral("Velmora Τοπογραφικών Εργασιών"));
    window.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    window.resize(572, 350);
    window.show();
    return app.exec();
}
