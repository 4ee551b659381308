#include "ui/shell/ShellLabel.h"

#include <QLabel>

namespace velmora::ui {

QLabel* shellLabel(QWidget* parent, const char* name, const QString& text, QRect place,
                   Qt::Alignment alignment, qreal points, bool bold) {
    auto* created = new QLabel(text, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(place);
    created->setAlignment(alignment);
    created->setWordWrap(true);
    if (points > 0) {
        QFont font = created->font();
        font.setPointSizeF(points);
        font.setBold(bold);
        created->setFont(font);
    }
    return created;
}

} // namespace velmora::ui
