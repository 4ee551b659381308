// The floor for start-up: a bare Qt window of the splash window's size, nothing in it.
#include "ui/services/FirstFrame.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velmora::ui::FirstFrame::quitAfterIfAsked();
    QWidget window;
    window.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    window.resize(572, 350);
    window.show();
    return app.exec();
}
