// Urban survey entry: the area surveyed, in stremmata.
#pragma once

#include "ui/works/EntryWindow.h"

namespace velmora::ui {

// Urban survey entry: the area surveyed, in stremmata.
class Form6 : public EntryWindow {
    Q_OBJECT
public:
    explicit Form6(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* ea;
    QPushButton* OK;

protected:
    bool submit() override;
};

} // namespace velmora::ui
