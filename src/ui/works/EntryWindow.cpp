#include "ui/works/EntryWindow.h"

#include "ui/services/StudyAccess.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::ui {

EntryWindow::EntryWindow(const char* name, const QString& caption, QWidget* parent)
    : QWidget(parent), layout_(new QVBoxLayout(this)) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
}

QLabel* EntryWindow::addLabel(const char* name, const QString& text, bool title) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    if (title) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
    }
    layout_->addWidget(label);
    return label;
}

QLineEdit* EntryWindow::addField(const char* labelName, const QString& labelText,
                                 const char* boxName, QLabel** label) {
    QLabel* caption = addLabel(labelName, labelText);
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(boxName));
    caption->setBuddy(box);
    layout_->addWidget(box);
    fields_.push_back({box, QuantityBoxes::fieldName(caption)});
    if (label != nullptr) *label = caption;
    return box;
}

QPushButton* EntryWindow::finish(const char* buttonName, int widthTwips, int heightTwips) {
    auto* button = new QPushButton(QStringLiteral("Υποβολή"), this);
    button->setObjectName(QString::fromLatin1(buttonName));
    WindowKeys::enterPresses(this, button);
    connect(button, &QPushButton::clicked, this, [this] {
        if (submit()) close();
    });
    layout_->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(button);
    row->addStretch(1);
    layout_->addLayout(row);

    WindowFrame::apply(this, WindowFrame::Frame::Sizable, widthTwips, heightTwips);
    WindowFrame::centre(this);
    if (!fields_.empty()) fields_.front().box->setFocus();
    return button;
}

bool EntryWindow::storeAsTyped(store::Work work) {
    auto readings = QuantityBoxes::read(this, fields_);
    if (!readings) return false;
    auto study = StudyAccess::currentOrWarn(this);
    return study && StudyAccess::stored(this, study->storeTyped(work, *readings));
}

} // namespace velmora::ui
