// The studies put away, from where one is brought back to the list of studies.
#pragma once

#include "store/study/StudyShelf.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace velmora::ui {

class arxeio : public QWidget {
    Q_OBJECT
public:
    explicit arxeio(QWidget* parent = nullptr);

    QLabel* Label1;
    QTreeWidget* lstArxeio;
    QPushButton* cmdEpanafora;
    QPushButton* cmdClose;

private:
    void fill();
    void cmdEpanafora_Click();

    std::vector<store::StudyShelf::Shelved> shelved_;
};

} // namespace velmora::ui
