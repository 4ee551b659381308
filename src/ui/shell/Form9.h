// The main menu: every action of the program starts from its buttons.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace velmora::ui {

class Picture;

class Form9 : public QWidget {
    Q_OBJECT
public:
    Form9();

    QLabel* Label1;
    QLabel* Label2;
    Picture* Picture1;
    QLabel* Label3;
    QLabel* Label4;
    // "new" is a keyword in C++; the control's objectName is still "new".
    QPushButton* new_;
    QPushButton* anaglosh;
    QPushButton* Command8;
    QPushButton* print;
    QPushButton* Command1;
    QPushButton* Command2;

public slots:
    void new_Click();
    void anaglosh_Click();
    void Command8_Click();
    void print_Click();
    void Command1_Click();
    void Command2_Click();
};

} // namespace velmora::ui
