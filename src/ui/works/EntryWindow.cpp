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

EntryWindow::EntryWindow(const char* name, const QString& caption, store::Work work,
                         QWidget* parent)
    : QWidget(parent), work_(work), layout_(new QVBoxLayout(this)) {
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
    return addField(labelName, labelText, boxName, label, nullptr);
}

QLineEdit* EntryWindow::addField(const char* labelName, const QString& labelText,
                                 const char* boxName, QLabel** label, QLabel* beside) {
    QLabel* caption = addLabel(labelName, labelText);
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(boxName));
    caption->setBuddy(box);
    if (beside != nullptr) {
        auto* row = new QHBoxLayout;
        row->addWidget(box, 1);
        row->addWidget(beside);
        layout_->addLayout(row);
    } else {
        layout_->addWidget(box);
    }
    fields_.push_back({box, QuantityBoxes::fieldName(caption)});
    if (label != nullptr) *label = caption;
    return box;
}

QPushButton* EntryWindow::finish(const char* buttonName, int widthTwips, int heightTwips) {
    auto* button = new QPushButton(QStringLiteral("Υποβολή"), this);
    button->setObjectName(QString::fromLatin1(buttonName));
    WindowKeys::enterPresses(this, button);
    // Esc leaves the window as the close box does: what was typed is not stored.
    WindowKeys::escapeCloses(this);
    connect(button, &QPushButton::clicked, this, [this] {
        if (submit()) close();
    });
    layout_->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(button);
    row->addStretch(1);
    layout_->addLayout(row);

    WindowFrame::apply(this, WindowFrame::Frame::SizableWithClose, widthTwips, heightTwips);
    WindowFrame::centre(this);
    showStored();
    if (!fields_.empty()) fields_.front().box->setFocus();
    return button;
}

void EntryWindow::showStored() {
    QuantityBoxes::showStored(this, work_, fields_);
}

bool EntryWindow::storeAsTyped() {
    auto readings = QuantityBoxes::read(this, fields_);
    if (!readings) return false;
    auto study = StudyAccess::currentOrWarn(this);
    return study && StudyAccess::stored(this, study->storeTyped(work_, *readings));
}

} // namespace velmora::ui
