// Polygonometry entry: the number of polygonometric points, with a hint by plan zone.
#pragma once

#include "ui/works/EntryWindow.h"

namespace velmora::ui {

// Polygonometry entry: the number of polygonometric points, with a hint by plan zone.
class Form4 : public EntryWindow {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* poly;
    QLabel* tex;
    QPushButton* Command1;

protected:
    bool submit() override;
};

} // namespace velmora::ui
