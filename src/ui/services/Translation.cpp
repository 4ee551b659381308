#include "ui/services/Translation.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace velmora::ui {

bool Translation::installGreek() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/i18n/qt_el.qm")) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace velmora::ui
