// Statutory amounts: the labels and rates the current study's fee carries, and the default list.
#pragma once

#include "store/study/StatutoryAmounts.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora::ui {

// The statutory amounts of the current study, one row each: the label as the report prints it
// and the rate on the fee. Saving stores them for the study and as the list every study created
// afterwards starts with, as λ is. Rows left empty are no amounts.
class kratiseis : public QWidget {
    Q_OBJECT
public:
    explicit kratiseis(QWidget* parent = nullptr);

    static constexpr int kRows = static_cast<int>(store::StatutoryAmounts::kMost);

    QLabel* Label1;
    std::array<QLabel*, kRows> lblPerigrafi;
    std::array<QLineEdit*, kRows> perigrafi;
    std::array<QLabel*, kRows> lblSyntelestis;
    std::array<QLineEdit*, kRows> syntelestis;
    QPushButton* cmdTesseris;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void load();
    void fill(const std::vector<store::StatutoryAmount>& amounts);
    void cmdOK_Click();
};

} // namespace velmora::ui
