#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace velmora::ui {

// The labels of the start-up window and the main menu: placed by hand, wrapped when a caption is
// wider than its place, in the window's font or a larger, optionally bold one.
QLabel* shellLabel(QWidget* parent, const char* name, const QString& text, QRect place,
                   Qt::Alignment alignment, qreal points = 0, bool bold = false);

} // namespace velmora::ui
