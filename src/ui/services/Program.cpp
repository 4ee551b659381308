#include "ui/services/Program.h"

#include <QCoreApplication>

namespace velmora::ui {

void Program::endNow() {
    QCoreApplication::exit(0);
}

} // namespace velmora::ui
