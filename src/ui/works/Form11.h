// Plot setting-out entry: the plot corners to be marked permanently.
#pragma once

#include "ui/works/EntryWindow.h"

namespace velmora::ui {

// Plot setting-out entry: the plot corners to be marked permanently.
class Form11 : public EntryWindow {
    Q_OBJECT
public:
    explicit Form11(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* oikx;
    QPushButton* Command1;

protected:
    bool submit() override;
};

} // namespace velmora::ui
