// The desktop program: prepares the installation folder and opens the splash window.

#include "store/Installation.h"
#include "ui/services/Dialogs.h"
#include "ui/services/Resources.h"
#include "ui/services/Translation.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/frmSplash.h"

#include <QApplication>
#include <QIcon>
#include <QString>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    velmora::ui::Translation::installGreek();
    QApplication::setWindowIcon(
        QIcon(velmora::ui::Resources::path(QStringLiteral("surveyor.svg"))));

    using velmora::store::Installation;
    auto prepared = Installation::prepare(Installation::folder(std::nullopt));
    if (!prepared)
        velmora::ui::Dialogs::message(nullptr, QString::fromStdString(prepared.message()));

    velmora::ui::WindowRegistry::show<velmora::ui::frmSplash>();

    return app.exec();
}
