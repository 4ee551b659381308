// Building and street lines entry: axis points and corners of building blocks.
#pragma once

#include "ui/works/EntryWindow.h"

namespace velmora::ui {

// Building and street lines entry: axis points and corners of building blocks.
class Form8 : public EntryWindow {
    Q_OBJECT
public:
    explicit Form8(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* ajon;
    QLabel* Label2;
    QLineEdit* rymot;
    QPushButton* Command1;

protected:
    bool submit() override;
};

} // namespace velmora::ui
