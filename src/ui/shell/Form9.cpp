// The main menu: every action of the program starts from its buttons.
#include "ui/shell/Form9.h"

#include "ui/report/Calculation.h"
#include "ui/report/frmMain.h"
#include "ui/services/Dialogs.h"
#include "ui/services/Picture.h"
#include "ui/services/Program.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/ShellLabel.h"
#include "ui/shell/help.h"
#include "ui/shell/palaia.h"
#include "ui/study/stoixeia.h"

#include <QLabel>
#include <QPushButton>

namespace velmora::ui {
namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(place);
    return created;
}

} // namespace

Form9::Form9() {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Velmora Τοπογραφικών "));
    resize(Twips::size(9450, 5835));

    Label1 = shellLabel(this, "Label1", QStringLiteral("VELMORA ΤΟΠΟΓΡΑΦΙΚΩΝ ΕΡΓΑΣΙΩΝ"),
                        Twips::rect(120, 120, 9210, 540), Qt::AlignCenter, 18, true);
    Label2 = shellLabel(this, "Label2", QStringLiteral("ΠΡΟΕΔΡΙΚΟ ΔΙΑΤΑΓΜΑ ΥΠ' ΑΡΙΘΜ. 696"),
                        Twips::rect(120, 690, 9210, 360), Qt::AlignCenter, 11, true);

    // 314 x 260 pixels.
    Picture1 = new Picture(QStringLiteral("surveyor"), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(Twips::rect(240, 1140, 4710, 3900));

    // The five actions in one column on the right; help below the picture.
    const int column = 6840;
    const int rows[] = {1140, 1860, 2580, 3300, 4020};
    new_ =
        button(this, "new", QStringLiteral("Νέα Μελέτη"), Twips::rect(column, rows[0], 2295, 495));
    anaglosh = button(this, "anaglosh", QStringLiteral("Ανάγνωση Μελέτης"),
                      Twips::rect(column, rows[1], 2295, 495));
    Command8 = button(this, "Command8", QStringLiteral("Υπολογισμοί"),
                      Twips::rect(column, rows[2], 2295, 495));
    print =
        button(this, "print", QStringLiteral("Εκτύπωση"), Twips::rect(column, rows[3], 2295, 495));
    Command1 =
        button(this, "Command1", QStringLiteral("Έξοδος"), Twips::rect(column, rows[4], 2295, 495));
    Command2 = button(this, "Command2", QStringLiteral("Βοήθεια"),
                      Twips::rect(240 + (4710 - 1095) / 2, 5160, 1095, 375));

    Label3 = shellLabel(this, "Label3", QStringLiteral("© Velmora"),
                        Twips::rect(5160, 4800, 4170, 300), Qt::AlignRight | Qt::AlignVCenter);
    Label4 = shellLabel(this, "Label4", QStringLiteral("Αμοιβές κατά το ΠΔ 696"),
                        Twips::rect(5160, 5100, 4170, 300), Qt::AlignRight | Qt::AlignVCenter);

    // The calculation comes first in the tab order and so has the focus when the menu opens.
    QWidget* order[] = {Command8, print, Command1, Command2, new_, anaglosh};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    Command8->setFocus();

    connect(new_, &QPushButton::clicked, this, &Form9::new_Click);
    connect(anaglosh, &QPushButton::clicked, this, &Form9::anaglosh_Click);
    connect(Command8, &QPushButton::clicked, this, &Form9::Command8_Click);
    connect(print, &QPushButton::clicked, this, &Form9::print_Click);
    connect(Command1, &QPushButton::clicked, this, &Form9::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
    WindowKeys::enterPresses(this, nullptr);

    WindowFrame::centre(this);
}

void Form9::new_Click() {
    stoixeia::open(stoixeia::Purpose::Create);
}

void Form9::anaglosh_Click() {
    WindowRegistry::show<palaia>();
}

void Form9::Command8_Click() {
    if (auto study = StudyAccess::currentOrWarn(this)) Calculation::run(this, *study);
}

void Form9::print_Click() {
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return;
    Calculation::offerWhenStale(this, *study);
    frmMain::showPrincipal();
}

void Form9::Command1_Click() {
    Program::endNow();
}

void Form9::Command2_Click() {
    WindowRegistry::show<help>();
}

} // namespace velmora::ui
