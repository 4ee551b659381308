#include "ui/services/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerResources() {
    Q_INIT_RESOURCE(velmora);
}

namespace velmora::ui {

QString Resources::path(const QString& file) {
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/") + file;
}

QString Resources::picture(const QString& name) {
#ifdef VELMORA_PICTURES_PNG
    return path(name + QStringLiteral(".png"));
#else
    return path(name + QStringLiteral(".svg"));
#endif
}

} // namespace velmora::ui
