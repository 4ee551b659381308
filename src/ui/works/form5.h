// Tachymetric survey entry: the area for each of five terrain slopes, and levelling.
#pragma once

#include "ui/works/QuantityBoxes.h"

#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace velmora::ui {

// Tachymetric survey entry: the surveyed area for each of five terrain slopes, one tab each, and
// whether levelling is included.
class form5 : public QWidget {
    Q_OBJECT
public:
    explicit form5(QWidget* parent = nullptr);

    static constexpr int kSlopes = 5;

    QTabBar* tbsOptions;
    // Panel i belongs to tab i + 1; only the panel of the selected tab is in view.
    std::array<QFrame*, kSlopes> picOptions;
    std::array<QLabel*, kSlopes> Label1;
    std::array<QLineEdit*, kSlopes> E;
    QCheckBox* H;
    QPushButton* Submite;

private:
    void tbsOptions_Click();
    void Submite_Click();

    std::vector<QuantityField> fields_;
    // The elevation item as stored, until the user touches the check box.
    std::optional<std::string> untouchedElevation_;
};

} // namespace velmora::ui
