// Apportionment acts entry: the total length of plot fronts, in kilometres.
#pragma once

#include "ui/works/EntryWindow.h"

namespace velmora::ui {

// Apportionment acts entry: the total length of plot fronts, in kilometres.
class Form7 : public EntryWindow {
    Q_OBJECT
public:
    explicit Form7(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* S;
    QPushButton* Command1;

protected:
    bool submit() override;
};

} // namespace velmora::ui
