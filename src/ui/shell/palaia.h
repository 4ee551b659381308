// Choice of an earlier study, which becomes the current study again.
#pragma once

#include "store/StudyList.h"

#include <QWidget>

#include <vector>

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
    void widenToEntries();

    // The studies offered, in the order of the list.
    std::vector<store::StudyEntry> studies_;
};

} // namespace velmora::ui
