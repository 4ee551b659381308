// Registration of a new engineer, who can then sign studies.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora::ui {

class Form14 : public QWidget {
    Q_OBJECT
public:
    explicit Form14(QWidget* parent = nullptr);

    QLineEdit* onm;
    QLineEdit* Epm;
    QLineEdit* dnsm;
    QLineEdit* polim;
    QComboBox* eidikot;
    QPushButton* Command1;

private:
    void Command1_Click();
};

} // namespace velmora::ui
