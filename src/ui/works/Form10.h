// Per-mille tables entry: the number of independent horizontal co-ownerships.
#pragma once

#include "ui/works/EntryWindow.h"

namespace velmora::ui {

// Per-mille tables entry: the number of independent horizontal co-ownerships.
class Form10 : public EntryWindow {
    Q_OBJECT
public:
    explicit Form10(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* anid;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* Command1;

protected:
    bool submit() override;
};

} // namespace velmora::ui
