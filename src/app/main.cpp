// The desktop program: prepares the installation folder and opens the splash window.

#include "store/Installation.h"
#include "ui/services/Dialogs.h"

#include <QApplication>
#include <QString>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));

    using velmora::store::Installation;
    auto prepared = Installation::prepare(Installation::folder(std::nullopt));
    if (!prepared) velmora::ui::Dialogs::message(nullptr, QString::fromStdString(prepared.message()));

    return app.exec();
}
