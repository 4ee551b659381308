// Choice of an earlier study, which becomes the current study again.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace velmora::ui {

class palaia : public QWidget {
    Q_OBJECT
public:
    explicit palaia(QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* EPILOGI;
    QPushButton* OKButton;

private:
    void EPILOGI_Click(int index);
    void OKButton_Click();
};

} // namespace velmora::ui
