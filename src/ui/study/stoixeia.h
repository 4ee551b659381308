// The details of a new study (owner, site, engineer); its OK creates the study.
#pragma once

#include "store/EngineerRegistry.h"

#include <QWidget>

#include <array>
#include <vector>

class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace velmora::ui {

class stoixeia : public QWidget {
    Q_OBJECT
public:
    explicit stoixeia(QWidget* parent = nullptr);

    QTabBar* tbsOptions;
    // One panel per tab; the panel of the selected tab stands in the window, the others far
    // outside it.
    std::array<QWidget*, 3> picOptions;

    QLineEdit* onoma;
    QLineEdit* eponymo;
    QLineEdit* dnsh;
    QLineEdit* poli;

    QLineEdit* dimos;
    QLineEdit* DD;
    QLineEdit* uesi;

    QComboBox* Combo1;
    QLineEdit* onm;
    QLineEdit* Epm;
    QLineEdit* dnsm;
    QLineEdit* polim;
    QLineEdit* eidikot;
    QPushButton* Command1;

    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    bool event(QEvent* event) override;

private:
    // Re-reads the registry into the list, so an engineer added meanwhile can be picked.
    std::vector<store::Engineer> loadEngineers();
    void applyOkRule();
    void tbsOptions_Click();
    void Combo1_Click(int index);
    void Command1_Click();
    void cmdOK_Click();
    void showWorkSelection();
};

} // namespace velmora::ui
