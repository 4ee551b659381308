// The details of a study (owner, site, engineer); its OK creates a study, or corrects or copies
// one.
#pragma once

#include "store/study/EngineerRegistry.h"

#include <QWidget>

#include <array>
#include <filesystem>
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
    // What OK does with the details: a new study, the details of `study` corrected, or a new
    // study that starts from `study`'s works.
    enum class Purpose { Create, Correct, Copy };
    explicit stoixeia(Purpose purpose = Purpose::Create, std::filesystem::path study = {},
                      QWidget* parent = nullptr);
    Purpose purpose() const { return purpose_; }

    // Shows the window for this purpose. One already open for the same is brought to the front;
    // one open for another purpose too, with word that it is busy, so nothing typed is lost.
    static void open(Purpose purpose, const std::filesystem::path& study = {});

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
    // Re-reads the registry into the list, so an engineer added meanwhile can be picked; one that
    // cannot be read leaves the list empty, and the result says why.
    store::Result<std::vector<store::Engineer>> loadEngineers();
    void applyOkRule();
    void tbsOptions_Click();
    void Combo1_Click(int index);
    void Command1_Click();
    void cmdOK_Click();
    void showWorkSelection();
    // Fills the boxes with the details `study_` keeps; a copy starts with the owner's empty.
    void fillFromStudy();

    Purpose purpose_;
    std::filesystem::path study_;
};

} // namespace velmora::ui
