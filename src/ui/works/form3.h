// Triangulation entry: points of class III and IV, forward intersections and resections.
#pragma once

#include "ui/works/EntryWindow.h"

namespace velmora::ui {

// Triangulation entry: points of class III and IV, forward intersections and resections.
class form3 : public EntryWindow {
    Q_OBJECT
public:
    explicit form3(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* TsIIIT;
    QLabel* Label2;
    QLineEdit* TSIVT;
    QLabel* Label3;
    QLineEdit* Emp;
    QLabel* Label4;
    QLineEdit* OP;
    QPushButton* Command1;

protected:
    bool submit() override;
};

} // namespace velmora::ui
