// Texts that fit their windows on a real screen, under a window manager, in the fonts installed
// here: lists as wide as their entries, values given the room the window has, titles whole.
#include "support/UiTest.h"

#include "ui/services/ValueLabel.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/help.h"
#include "ui/shell/palaia.h"
#include "ui/study/Form14.h"
#include "ui/study/stoixeia.h"
#include "ui/works/Form1.h"
#include "ui/works/Form2.h"
#include "ui/works/kratiseis.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

namespace velmora::test {
namespace {

using ui::WindowRegistry;

class TextFitsWmTest : public UiTest {
protected:
    template <class W> W* open() {
        W* window = WindowRegistry::show<W>();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    }

    // The room a drop-down list gives its chosen entry.
    static int entryRoom(QComboBox* list) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        return list->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
            .width();
    }
};

TEST_F(TextFitsWmTest, EverySpecialtyShowsWholeOnceChosen) {
    auto* window = open<ui::Form14>();
    for (int i = 0; i < window->eidikot->count(); ++i) {
        window->eidikot->setCurrentIndex(i);
        QLineEdit* box = window->eidikot->lineEdit();
        box->end(false);
        // Not scrolled: the first letter still stands at the box's left edge.
        EXPECT_EQ(box->cursorPositionAt(QPoint(box->contentsRect().left() + 3, box->height() / 2)),
                  0)
            << box->text().toStdString();
        EXPECT_LE(box->fontMetrics().horizontalAdvance(window->eidikot->itemText(i)),
                  entryRoom(window->eidikot))
            << box->text().toStdString();
    }
}

TEST_F(TextFitsWmTest, ALongOwnerNameShowsWholeInThePreviousStudyList) {
    putLines(home() / "ergasies.dat", {"Παναγιώτης-Κωνσταντίνος", "Χατζηπαναγιωτόπουλος"});
    auto* window = open<ui::palaia>();
    window->EPILOGI->setCurrentIndex(0);
    EXPECT_LE(window->EPILOGI->fontMetrics().horizontalAdvance(window->EPILOGI->currentText()),
              entryRoom(window->EPILOGI));
}

TEST_F(TextFitsWmTest, WorkSelectionGivesSiteAndSpecialtyTheRoomItHas) {
    makeStudy("ΓιάννηςΠαπαδόπουλος",
              {{"stoixeia.dat",
                {"Γιάννης", "Παπαδόπουλος", "Λεωφόρος Κηφισίας 124", "Αθήνα", "Αμαρουσίου",
                 "Δημοτικό Διαμέρισμα Αμαρουσίου", "Θέση Άγιος Ιωάννης Ρέντη", "Μαρία", "Οικονόμου",
                 "Σόλωνος 3", "Αθήνα", "Τεχνολόγος Έργων Υποδομής"}},
               {"l.dat", {"1"}},
               {"entos.dat", {" 1 "}},
               {"eid.dat", {" 6 "}}});
    auto* window = open<ui::Form1>();
    for (QLabel* shown : {window->dimos, window->dd, window->uesi, window->eidikot, window->dnsh})
        EXPECT_FALSE(static_cast<ui::ValueLabel*>(shown)->isCut()) << shown->text().toStdString();
}

TEST_F(TextFitsWmTest, WindowsAreAtLeastAsWideAsTheirTitles) {
    makeStudy("ΣοφίαΚαλή", {{"l.dat", {"1"}}, {"entos.dat", {" 1 "}}});
    QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    title.setBold(true);
    for (QWidget* window :
         std::initializer_list<QWidget*>{open<ui::Form2>(), open<ui::Form14>(), open<ui::help>(),
                                         open<ui::stoixeia>(), open<ui::kratiseis>()})
        EXPECT_GT(window->width(), QFontMetrics(title).horizontalAdvance(window->windowTitle()))
            << window->windowTitle().toStdString();
}

} // namespace
} // namespace velmora::test
