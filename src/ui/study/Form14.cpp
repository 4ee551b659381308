// Registration of a new engineer, who can then sign studies.

#include "ui/study/Form14.h"

#include "store/base/Specialty.h"
#include "store/study/EngineerRegistry.h"
#include "ui/services/Dialogs.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <initializer_list>

namespace velmora::ui {
namespace {

constexpr int kLabelLeft = 120;
constexpr int kLabelWidth = 1215;
constexpr int kBoxLeft = 1440;
constexpr int kBoxWidth = 3135;
constexpr int kRowHeight = 315;

QLabel* labelFor(QWidget* window, QWidget* box, const QString& caption, const char* name, int top) {
    auto* label = new QLabel(caption, window);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(Twips::rect(kLabelLeft, top, kLabelWidth, kRowHeight));
    label->setBuddy(box);
    return label;
}

QLineEdit* textBox(QWidget* window, const char* name, const QString& caption, const char* labelName,
                   int top) {
    auto* box = new QLineEdit(window);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(Twips::rect(kBoxLeft, top, kBoxWidth, kRowHeight));
    labelFor(window, box, caption, labelName, top);
    return box;
}

} // namespace

Form14::Form14(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("Εισαγωγή Νέου Μηχανικού"));

    onm = textBox(this, "onm", QStringLiteral("Όνομα :"), "Label1", 240);
    Epm = textBox(this, "Epm", QStringLiteral("Επώνυμο :"), "Label2", 660);
    dnsm = textBox(this, "dnsm", QStringLiteral("Δ/νση :"), "Label3", 1080);
    polim = textBox(this, "polim", QStringLiteral("Πόλη :"), "Label4", 1500);

    eidikot = new QComboBox(this);
    eidikot->setObjectName(QStringLiteral("eidikot"));
    eidikot->setEditable(true);
    eidikot->setInsertPolicy(QComboBox::NoInsert);
    eidikot->setGeometry(Twips::rect(kBoxLeft, 2100, kBoxWidth, kRowHeight));
    labelFor(this, eidikot, QStringLiteral("Ειδικότητα :"), "Label5", 2100);
    for (std::string_view name : store::Specialty::kNames)
        eidikot->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    // The list offers the specialties; the box itself starts empty like the others.
    eidikot->setCurrentIndex(-1);
    eidikot->clearEditText();

    // Every specialty shows whole, in the list and once chosen; the other boxes line up with it.
    eidikot->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int boxWidth = std::max(Twips::toPixels(kBoxWidth), eidikot->sizeHint().width());
    for (QWidget* box : std::initializer_list<QWidget*>{onm, Epm, dnsm, polim, eidikot})
        box->resize(boxWidth, box->height());
    const int clientWidth = Twips::toPixels(kBoxLeft) + boxWidth + Twips::toPixels(285);

    Command1 = new QPushButton(QStringLiteral("ΟΚ"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::rect(1800, 2640, 1215, 435));
    Command1->move((clientWidth - Command1->width()) / 2, Command1->y());
    connect(Command1, &QPushButton::clicked, this, &Form14::Command1_Click);
    WindowKeys::enterPresses(this, Command1);
    WindowKeys::escapeCloses(this);

    resize(std::max({Twips::toPixels(4860), clientWidth, WindowFrame::titleWidth(this, 3)}),
           Twips::toPixels(3210));
}

void Form14::Command1_Click() {
    const store::Engineer engineer = {
        onm->text().toStdString(),
        Epm->text().toStdString(),
        dnsm->text().toStdString(),
        polim->text().toStdString(),
        eidikot->currentText().toStdString(),
    };
    store::Status added = store::EngineerRegistry::append(StudyAccess::installation(), engineer);
    if (!added) {
        Dialogs::failure(this, added.error());
        return;
    }
    close();
}

} // namespace velmora::ui
