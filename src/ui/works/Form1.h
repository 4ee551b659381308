// Work selection: scale, plan zone and λ of a new study, its work windows, and the submit.
#pragma once

#include "store/study/Study.h"

#include <QWidget>

#include <optional>

class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velmora::ui {

// Work selection: the hub of a new study, where the scale and the plan zone are chosen, λ is
// shown and changed, every work entry window is opened, and "Υποβολή" makes every work file hold
// numbers for the calculation.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QComboBox* Combo1;
    QLabel* Label3;
    QLabel* l;
    QRadioButton* εντος;
    QRadioButton* εκτος;

    QLabel* Label4;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* onoma;
    QLabel* eponymo;
    QLabel* dnsh;
    QLabel* poli;

    QLabel* Label5;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label19;
    QLabel* dimos;
    QLabel* dd;
    QLabel* uesi;

    QLabel* Label6;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* onm;
    QLabel* Epm;
    QLabel* dnsm;
    QLabel* polim;
    QLabel* eidikot;

    QFrame* Line1;
    QFrame* Line2;
    QFrame* Line3;

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command8;
    QPushButton* Command9;
    QPushButton* Command10;
    QPushButton* EXIT;
    // Beside λ: the statutory amounts of the study.
    QPushButton* Command11;

    // λ as the window shows it: single precision, at most 7 significant digits, the regional
    // decimal separator, a zero before it ("0,85"); empty when the study's λ cannot be read.
    static QString lambdaText(const store::Study& study);

    // Shows the study that is current now, as a window opened afresh would: a study created
    // while this window is open must not be shown with the details of the one before.
    void reload();

private:
    QButtonGroup* zone;

    void build();
    void load();
    void Combo1_Click(int index);
    void zoneChosen(bool inside);
    void Command1_Click();
    void Command2_Click();
    void EXIT_Click();
};

} // namespace velmora::ui
