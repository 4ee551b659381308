// Change of λ: the current study's coefficient, and the default for studies created next.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora::ui {

// Change of the coefficient λ: the new λ of the current study, which also becomes the λ every
// study created afterwards starts with.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* ll1;
    QPushButton* Command1;

private:
    void Command1_Click();
};

} // namespace velmora::ui
