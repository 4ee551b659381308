// Work selection: scale, plan zone and λ of a new study, its work windows, and the submit.

#include "ui/works/Form1.h"

#include "messages/Describe.h"
#include "messages/StudyShown.h"
#include "store/base/Specialty.h"
#include "ui/services/Dialogs.h"
#include "ui/services/Regional.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/ValueLabel.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/error_trig.h"
#include "ui/works/Form10.h"
#include "ui/works/Form11.h"
#include "ui/works/Form12.h"
#include "ui/works/Form2.h"
#include "ui/works/Form4.h"
#include "ui/works/Form6.h"
#include "ui/works/Form7.h"
#include "ui/works/Form8.h"
#include "ui/works/form3.h"
#include "ui/works/form5.h"
#include "ui/works/kratiseis.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace velmora::ui {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* made = new QLabel(text, parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setTextFormat(Qt::PlainText);
    return made;
}

QLabel* heading(QWidget* parent, const char* name, const QString& text) {
    QLabel* made = label(parent, name, text);
    QFont font = made->font();
    font.setBold(true);
    font.setUnderline(true);
    made->setFont(font);
    return made;
}

// A value label: study data, shown as it stands and never read as markup. A column takes the room
// its values ask for, as far as the window has it; a longer value shows whole in its tooltip.
QLabel* value(QWidget* parent, const char* name) {
    auto* made = new ValueLabel(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setTextInteractionFlags(Qt::TextSelectableByMouse);
    made->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    return made;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setMinimumHeight(made->sizeHint().height() + 8);
    return made;
}

QFrame* line(QWidget* parent, const char* name, QFrame::Shape shape) {
    auto* made = new QFrame(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setFrameShape(shape);
    made->setFrameShadow(QFrame::Sunken);
    return made;
}

// One column of details: its heading, then caption and value side by side.
QVBoxLayout* column(QLabel* title, const std::vector<std::pair<QLabel*, QLabel*>>& rows) {
    auto* box = new QVBoxLayout;
    box->addWidget(title);
    auto* grid = new QGridLayout;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        grid->addWidget(rows[r].first, r, 0, Qt::AlignTop);
        grid->addWidget(rows[r].second, r, 1, Qt::AlignTop);
    }
    grid->setColumnStretch(1, 1);
    box->addLayout(grid);
    box->addStretch(1);
    return box;
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmora Τοπογραφικών Διαγραμμάτων"));
    build();
    WindowFrame::apply(this, WindowFrame::Frame::Sizable, 12285, 8040);
    load();
    // Long details widen the window as far as the screen allows, rather than be cut short. The
    // nested layouts still hold the sizes of the empty labels.
    for (QLayout* nested : findChildren<QLayout*>())
        nested->invalidate();
    int wanted = sizeHint().width();
    if (const QScreen* shown = screen())
        wanted = std::min(wanted, shown->availableGeometry().width() * 9 / 10);
    if (wanted > width()) resize(wanted, height());
    WindowFrame::centre(this);
    εντος->setFocus();
}

void Form1::build() {
    Label1 = label(this, "Label1", QStringLiteral("VELMORA ΤΟΠΟΓΡΑΦΙΚΩΝ ΔΙΑΓΡΑΜΜΑΤΩΝ"));
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    Label1->setFont(titleFont);
    Label1->setAlignment(Qt::AlignCenter);

    Label2 = label(this, "Label2", QStringLiteral("Κλίμακα"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems({QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("500"),
                      QStringLiteral("1000"), QStringLiteral("2000")});
    // The stored scale is not shown: a pick is what the user makes here.
    Combo1->setCurrentIndex(-1);
    Combo1->setMinimumWidth(Combo1->sizeHint().width() + 20);
    Label2->setBuddy(Combo1);
    Label3 = label(this, "Label3", QStringLiteral("Συντελεστής λ:"));
    l = label(this, "l", QString());
    l->setMinimumWidth(60);
    Command1 = button(this, "Command1", QStringLiteral("Αναθεωριση συντελεστού λ"));
    Command1->setMinimumWidth(Command1->sizeHint().width() + 16);
    Command11 = button(this, "Command11", QStringLiteral("Κρατήσεις"));
    Command11->setMinimumWidth(Command11->sizeHint().width() + 16);

    εντος = new QRadioButton(QStringLiteral("Εντός Σχεδίου"), this);
    εντος->setObjectName(QStringLiteral("εντος"));
    εκτος = new QRadioButton(QStringLiteral("Εκτός Σχεδίου"), this);
    εκτος->setObjectName(QStringLiteral("εκτος"));
    zone = new QButtonGroup(this);
    zone->addButton(εντος);
    zone->addButton(εκτος);

    Label4 = heading(this, "Label4", QStringLiteral("Ιδιοκτήτης"));
    Label7 = label(this, "Label7", QStringLiteral("Όνομα:"));
    Label8 = label(this, "Label8", QStringLiteral("Επώνυμο:"));
    Label9 = label(this, "Label9", QStringLiteral("Διεύθυνση:"));
    Label10 = label(this, "Label10", QStringLiteral("Πόλη:"));
    onoma = value(this, "onoma");
    eponymo = value(this, "eponymo");
    dnsh = value(this, "dnsh");
    poli = value(this, "poli");

    Label5 = heading(this, "Label5", QStringLiteral("Εργο"));
    Label17 = label(this, "Label17", QStringLiteral("Δήμος:"));
    Label18 = label(this, "Label18", QStringLiteral("Δημοτικό Διαμέρισμα"));
    Label19 = label(this, "Label19", QStringLiteral("Διεύθυνση:"));
    dimos = value(this, "dimos");
    dd = value(this, "dd");
    uesi = value(this, "uesi");

    Label6 = heading(this, "Label6", QStringLiteral("Μηχανικός"));
    Label12 = label(this, "Label12", QStringLiteral("Όνομα:"));
    Label13 = label(this, "Label13", QStringLiteral("Επώνυμο:"));
    Label14 = label(this, "Label14", QStringLiteral("Διεύθυνση:"));
    Label15 = label(this, "Label15", QStringLiteral("Πόλη:"));
    Label16 = label(this, "Label16", QStringLiteral("Ειδικότητα:"));
    onm = value(this, "onm");
    Epm = value(this, "Epm");
    dnsm = value(this, "dnsm");
    polim = value(this, "polim");
    eidikot = value(this, "eidikot");

    Line1 = line(this, "Line1", QFrame::VLine);
    Line2 = line(this, "Line2", QFrame::VLine);
    Line3 = line(this, "Line3", QFrame::HLine);

    Command2 = button(this, "Command2", QStringLiteral("Tριγωνισμός"));
    Command3 = button(this, "Command3", QStringLiteral("Πολυγωνομετρία"));
    Command4 = button(this, "Command4", QStringLiteral("Ταχυμετρικες Αποτυπώσεις στην ύπαιθρο"));
    Command5 = button(this, "Command5", QStringLiteral("Αποτυπώσεις Αστικων Περιοχών"));
    Command6 = button(this, "Command6", QStringLiteral("Σύνταξη Πράξεων Αναλογισμού"));
    Command7 = button(this, "Command7", QStringLiteral("Οικοδομικές-Ρυμοτομικές Γραμμες"));
    Command8 = button(this, "Command8", QStringLiteral("Σύνταξη Πινάκων Αναλογισμού (Χιλιοστά)"));
    Command9 = button(this, "Command9", QStringLiteral("Χαραξη οικοπέδων επί του  εδάφους"));
    Command10 = button(this, "Command10", QStringLiteral("Xάραξη Κτιριακών Έργων"));
    EXIT = button(this, "EXIT", QStringLiteral("Υποβολή"));
    QFont exitFont = EXIT->font();
    exitFont.setBold(true);
    EXIT->setFont(exitFont);

    // Layout: title; scale, λ and zone; the three columns of details; the work buttons.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 12, 18, 12);
    outer->addWidget(Label1);
    outer->addSpacing(8);

    auto* choices = new QHBoxLayout;
    choices->addWidget(Label2);
    choices->addWidget(Combo1);
    choices->addSpacing(12);
    choices->addWidget(Label3);
    choices->addWidget(l);
    choices->addWidget(Command1);
    choices->addWidget(Command11);
    choices->addSpacing(12);
    choices->addWidget(εντος);
    choices->addWidget(εκτος);
    choices->addStretch(1);
    outer->addLayout(choices);
    outer->addSpacing(8);

    // Each column takes the width its details ask for; what is left over is shared.
    auto* details = new QHBoxLayout;
    details->addLayout(
        column(Label4, {{Label7, onoma}, {Label8, eponymo}, {Label9, dnsh}, {Label10, poli}}));
    details->addWidget(Line1);
    details->addLayout(column(Label5, {{Label17, dimos}, {Label18, dd}, {Label19, uesi}}));
    details->addWidget(Line2);
    details->addLayout(column(
        Label6,
        {{Label12, onm}, {Label13, Epm}, {Label14, dnsm}, {Label15, polim}, {Label16, eidikot}}));
    outer->addLayout(details, 1);
    outer->addWidget(Line3);

    auto* works = new QGridLayout;
    const std::array<QPushButton*, 9> workButtons = {
        Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9, Command10};
    for (int i = 0; i < static_cast<int>(workButtons.size()); ++i)
        works->addWidget(workButtons[i], i / 3, i % 3);
    outer->addLayout(works);
    outer->addSpacing(8);
    auto* submitRow = new QHBoxLayout;
    submitRow->addStretch(1);
    EXIT->setMinimumWidth(180);
    submitRow->addWidget(EXIT);
    submitRow->addStretch(1);
    outer->addLayout(submitRow);

    const std::array<QWidget*, 14> tabOrder = {εντος,    εκτος,    Combo1,   Command1, Command11,
                                               Command2, Command3, EXIT,     Command4, Command5,
                                               Command6, Command7, Command8, Command9};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    setTabOrder(Command9, Command10);

    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(εντος, &QRadioButton::clicked, this, [this] { zoneChosen(true); });
    connect(εκτος, &QRadioButton::clicked, this, [this] { zoneChosen(false); });
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command11, &QPushButton::clicked, this, [] { WindowRegistry::show<kratiseis>(); });
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, [] { WindowRegistry::show<Form4>(); });
    connect(Command4, &QPushButton::clicked, this, [] { WindowRegistry::show<form5>(); });
    connect(Command5, &QPushButton::clicked, this, [] { WindowRegistry::show<Form6>(); });
    connect(Command6, &QPushButton::clicked, this, [] { WindowRegistry::show<Form7>(); });
    connect(Command7, &QPushButton::clicked, this, [] { WindowRegistry::show<Form8>(); });
    connect(Command8, &QPushButton::clicked, this, [] { WindowRegistry::show<Form10>(); });
    connect(Command9, &QPushButton::clicked, this, [] { WindowRegistry::show<Form11>(); });
    connect(Command10, &QPushButton::clicked, this, [] { WindowRegistry::show<Form12>(); });
    connect(EXIT, &QPushButton::clicked, this, &Form1::EXIT_Click);
    WindowKeys::enterPresses(this, nullptr);
}

QString Form1::lambdaText(const store::Study& study) {
    auto item = study.lambdaItem();
    if (!item) return {};
    return QString::fromStdString(messages::lambdaShown(*item, messages::LambdaShown::WorkSelection,
                                                        Regional::decimalSeparator()));
}

void Form1::reload() {
    Combo1->setCurrentIndex(-1);
    zone->setExclusive(false);
    εντος->setChecked(false);
    εκτος->setChecked(false);
    zone->setExclusive(true);
    for (QLabel* shown :
         {l, onoma, eponymo, dnsh, poli, dimos, dd, uesi, onm, Epm, dnsm, polim, eidikot})
        shown->clear();
    load();
    εντος->setFocus();
}

void Form1::load() {
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return;
    QStringList unread;

    auto why = [](const store::Error& error) {
        return QString::fromStdString(messages::describe(error));
    };

    l->setText(lambdaText(*study));
    if (auto lambda = study->lambdaItem(); !lambda)
        unread << QStringLiteral("ο συντελεστής λ: %1").arg(why(lambda.error()));

    // Any zone but 1 is outside the plan, and is stored from now on as 0.
    if (auto inside = study->equalsInside()) {
        if (*inside) {
            εντος->setChecked(true);
        } else {
            εκτος->setChecked(true);
            zoneChosen(false);
        }
    } else {
        unread << QStringLiteral("η ζώνη σχεδίου: %1 Επιλέξτε «Εντός Σχεδίου» ή «Εκτός Σχεδίου».")
                      .arg(why(inside.error()));
    }

    const std::array<QLabel*, store::StudyDetails::kFields> fields = {
        onoma, eponymo, dnsh, poli, dimos, dd, uesi, onm, Epm, dnsm, polim, eidikot};
    if (auto details = study->details()) {
        const auto texts = details->fields();
        for (std::size_t i = 0; i < fields.size(); ++i)
            fields[i]->setText(QString::fromStdString(texts[i]));
    } else {
        unread << QStringLiteral("τα στοιχεία της μελέτης: %1").arg(why(details.error()));
    }

    if (!unread.isEmpty())
        Dialogs::message(this, QStringLiteral("Δεν ήταν δυνατή η ανάγνωση από τη μελέτη:\n- %1")
                                   .arg(unread.join(QStringLiteral("\n- "))));
}

void Form1::Combo1_Click(int index) {
    if (index < 0) return;
    if (auto study = StudyAccess::currentOrWarn(this))
        StudyAccess::stored(this, study->storeScale(Combo1->itemText(index).toStdString()));
}

void Form1::zoneChosen(bool inside) {
    if (auto study = StudyAccess::currentOrWarn(this))
        StudyAccess::stored(this, study->storeZone(inside));
}

void Form1::Command1_Click() {
    WindowRegistry::show<Form2>();
    // The label shows λ as it stands now; the change window's save is seen on the next load.
    if (auto study = StudyAccess::currentOrWarn(this)) l->setText(lambdaText(*study));
}

void Form1::Command2_Click() {
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return;
    auto code = study->specialtyCode();
    if (!code) {
        Dialogs::failure(this, code.error(),
                         QStringLiteral("Δεν είναι γνωστή η ειδικότητα του μηχανικού της "
                                        "μελέτης, οπότε δεν είναι γνωστό αν έχει δικαίωμα για "
                                        "εργασίες τριγωνισμού.\n"));
        return;
    }
    if (store::Specialty::mayTriangulate(*code))
        WindowRegistry::show<form3>();
    else
        WindowRegistry::show<error_trig>();
}

void Form1::EXIT_Click() {
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return;
    auto failures = study->submit();
    if (!failures.empty()) {
        // Everything that could be written was; the user can press again once the cause is gone.
        Dialogs::failure(this, failures, QStringLiteral("Η υποβολή δεν ολοκληρώθηκε:\n"));
        return;
    }
    close();
}

} // namespace velmora::ui
