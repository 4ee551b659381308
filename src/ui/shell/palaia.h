// Choice of an earlier study, which becomes the current study again.
#pragma once

#include "store/study/StudyList.h"

#include <QWidget>

#include <cstddef>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;

namespace velmora::ui {

class palaia : public QWidget {
    Q_OBJECT
public:
    explicit palaia(QWidget* parent = nullptr);

    QLabel* lblAnazitisi;
    QLineEdit* Anazitisi;
    QLabel* Label1;
    QComboBox* EPILOGI;
    QPushButton* Arxeiothetisi;
    QPushButton* OKButton;
    QPushButton* Epanafora;

    // Reads the list of studies again, as on opening; the search stays as typed.
    void reload();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EPILOGI_Click(int index);
    void OKButton_Click();
    void Arxeiothetisi_Click();
    void Epanafora_Click();
    void Anazitisi_Change();
    void widenToEntries();

    // The studies offered, in the order of the list, with where each lies.
    std::vector<store::StudyEntry> studies_;
    std::vector<std::string> sites_;
    // The place in the list of each entry the search leaves shown.
    std::vector<std::size_t> shown_;
    QStandardItemModel* entries_;
};

} // namespace velmora::ui
