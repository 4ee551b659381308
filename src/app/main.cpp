// The desktop program: prepares the installation folder and opens the splash window.

#include "messages/Describe.h"
#include "store/files/Failure.h"
#include "store/study/Installation.h"
#include "ui/services/Dialogs.h"
#include "ui/services/FirstFrame.h"
#include "ui/services/Program.h"
#include "ui/services/Translation.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/frmSplash.h"

#include <QApplication>
#include <QString>

#include <cstdio>
#include <exception>
#include <string>

namespace {

using velmora::messages::describe;
using velmora::store::Failure;

// Qt cannot carry an exception through its event loop: one that escapes a window's handler ends
// the program here, with words instead of an abort.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            if (failure.empty()) failure = describe(Failure::unexpected(std::current_exception()));
            exit(1);
            return false;
        }
    }

    std::string failure;
};

void tell(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    velmora::ui::Dialogs::message(nullptr, QString::fromStdString(message));
}

} // namespace

int main(int argc, char** argv) {
    Application app(argc, argv);
    velmora::ui::FirstFrame::quitAfterIfAsked();
    try {
        QApplication::setApplicationName(QStringLiteral("Velmora"));
        QApplication::setOrganizationName(QStringLiteral("Velmora"));
        velmora::ui::Translation::installGreek();
        velmora::ui::Program::endWithLastWindow();

        using velmora::store::Installation;
        const auto folder = Installation::folder(std::nullopt);
        if (!folder) {
            tell(describe(folder.error()));
            return 1;
        }
        auto prepared = Installation::prepare(*folder);
        if (!prepared) velmora::ui::Dialogs::failure(nullptr, prepared.error());

        velmora::ui::WindowRegistry::show<velmora::ui::frmSplash>();

        const int status = app.exec();
        if (!app.failure.empty()) tell(app.failure);
        return status;
    } catch (...) {
        tell(describe(Failure::unexpected(std::current_exception())));
        return 1;
    }
}
