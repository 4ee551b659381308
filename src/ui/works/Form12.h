// Foundation setting-out entry: the building area, turned into a number of points.
#pragma once

#include "ui/works/EntryWindow.h"

#include <optional>

namespace velmora::ui {

// Foundation setting-out entry: the building area, from which the number of polygonometric
// points is worked out.
class Form12 : public EntryWindow {
    Q_OBJECT
public:
    explicit Form12(QWidget* parent = nullptr);

    // Points for a building of `area` square metres: area × 2 / 25 rounded down, plus 4.

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* www;
    // The point count the study stores, beside the area box.
    QLabel* lblStored;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* Command1;

protected:
    void showStored() override;
    bool submit() override;
};

} // namespace velmora::ui
