// The details of a study (owner, site, engineer); its OK creates a study, or corrects or copies
// one.

#include "ui/study/stoixeia.h"

#include "store/study/Study.h"
#include "store/study/StudyCorrection.h"
#include "store/study/StudyCreation.h"
#include "ui/report/Form13.h"
#include "ui/services/Dialogs.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/TabCycler.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"
#include "ui/services/WindowRegistry.h"
#include "ui/study/Form14.h"
#include "ui/works/Form1.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

namespace velmora::ui {
namespace {

constexpr int kPanelShown = 210;
constexpr int kPanelHidden = -20000;
constexpr int kPanelTop = 480;
constexpr int kPanelWidth = 5685;
constexpr int kPanelHeight = 3780;
constexpr int kRowHeight = 315;

QLineEdit* field(QWidget* panel, const char* name, const QString& caption, int labelWidth, int top,
                 int boxWidth) {
    auto* box = new QLineEdit(panel);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(Twips::rect(120 + labelWidth + 105, top, boxWidth, kRowHeight));
    auto* label = new QLabel(caption, panel);
    label->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(Twips::rect(120, top, labelWidth, kRowHeight));
    label->setBuddy(box);
    return box;
}

std::string text(const QLineEdit* box) {
    return box->text().toStdString();
}

} // namespace

stoixeia::stoixeia(Purpose purpose, std::filesystem::path study, QWidget* parent)
    : QWidget(parent), purpose_(purpose), study_(std::move(study)) {
    setObjectName(QStringLiteral("stoixeia"));
    setWindowTitle(purpose == Purpose::Correct ? QStringLiteral("Διόρθωση στοιχείων")
                   : purpose == Purpose::Copy ? QStringLiteral("Αντιγραφή μελέτης")
                                              : QStringLiteral("Στοιχεία Μελέτης"));
    // The three tabs and the longest captions fit the window at the usual dialog size.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    tbsOptions = new QTabBar(this);
    tbsOptions->setObjectName(QStringLiteral("tbsOptions"));
    tbsOptions->setDrawBase(false);
    tbsOptions->setExpanding(false);
    tbsOptions->setUsesScrollButtons(false);
    const std::array<std::pair<QString, QString>, 3> tabs = {{
        {QStringLiteral("Στοιχεία Ιδιοκτήτη"), QStringLiteral("stoixeia")},
        {QStringLiteral("Στοιχεία Έργου"), QStringLiteral("egro")},
        {QStringLiteral("Στοιχεία Μηχανικού"), QStringLiteral("Mhxaniko")},
    }};
    for (const auto& [caption, key] : tabs)
        tbsOptions->setTabData(tbsOptions->addTab(caption), key);
    tbsOptions->setGeometry(Twips::rect(120, 120, 5925, 360));

    // The body of the tab strip, which the panels stand on.
    auto* body = new QFrame(this);
    body->setObjectName(QStringLiteral("tbsBody"));
    body->setFrameShape(QFrame::StyledPanel);
    body->setGeometry(Twips::rect(120, 450, 5925, 3930));

    for (std::size_t i = 0; i < picOptions.size(); ++i) {
        picOptions[i] = new QWidget(this);
        picOptions[i]->setObjectName(QStringLiteral("picOptions"));
        picOptions[i]->setProperty("index", static_cast<int>(i));
        picOptions[i]->setGeometry(
            Twips::rect(i == 0 ? kPanelShown : kPanelHidden, kPanelTop, kPanelWidth, kPanelHeight));
        picOptions[i]->setEnabled(i == 0);
    }

    constexpr int kWide = 2055;
    constexpr int kWideBox = 3195;
    onoma = field(picOptions[0], "onoma", QStringLiteral("Όνομα :"), kWide, 360, kWideBox);
    eponymo = field(picOptions[0], "eponymo", QStringLiteral("Eπώνυμο :"), kWide, 960, kWideBox);
    dnsh = field(picOptions[0], "dnsh", QStringLiteral("Δ/νση Κατοικίας :"), kWide, 1560, kWideBox);
    poli = field(picOptions[0], "poli", QStringLiteral("Πόλη :"), kWide, 2160, kWideBox);

    dimos = field(picOptions[1], "dimos", QStringLiteral("Δήμος :"), kWide, 360, kWideBox);
    DD = field(picOptions[1], "DD", QStringLiteral("Δημοτικό Διαμέρισμα :"), kWide, 960, kWideBox);
    uesi = field(picOptions[1], "uesi", QStringLiteral("Θέση :"), kWide, 1560, kWideBox);

    auto* engineerCaption = new QLabel(QStringLiteral("Ονοματεπώνυμο Μηχανικού"), picOptions[2]);
    engineerCaption->setObjectName(QStringLiteral("lblCombo1"));
    engineerCaption->setGeometry(Twips::rect(120, 120, 5445, 255));
    Combo1 = new QComboBox(picOptions[2]);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setPlaceholderText(QStringLiteral("Επιλέξτε μηχανικό"));
    Combo1->setGeometry(Twips::rect(120, 390, 5445, kRowHeight));
    engineerCaption->setBuddy(Combo1);

    constexpr int kNarrow = 1215;
    onm = field(picOptions[2], "onm", QStringLiteral("Όνομα :"), kNarrow, 900, 2775);
    Epm = field(picOptions[2], "Epm", QStringLiteral("Επώνυμο :"), kNarrow, 1320, 2775);
    dnsm = field(picOptions[2], "dnsm", QStringLiteral("Δ/νση :"), kNarrow, 1740, 2775);
    polim = field(picOptions[2], "polim", QStringLiteral("Πόλη :"), kNarrow, 2160, 2775);
    eidikot = field(picOptions[2], "eidikot", QStringLiteral("Ειδικότητα :"), kNarrow, 2580, 4125);
    Command1 = new QPushButton(QStringLiteral("Nέος Μηχανικός"), picOptions[2]);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::rect(3840, 3120, 1695, 435));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::rect(3360, 4500, 1215, 375));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(Twips::rect(4680, 4500, 1215, 375));

    connect(tbsOptions, &QTabBar::currentChanged, this, &stoixeia::tbsOptions_Click);
    connect(onoma, &QLineEdit::textChanged, this, &stoixeia::applyOkRule);
    connect(eponymo, &QLineEdit::textChanged, this, &stoixeia::applyOkRule);
    connect(Combo1, &QComboBox::activated, this, &stoixeia::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &stoixeia::Command1_Click);
    connect(cmdOK, &QPushButton::clicked, this, &stoixeia::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    TabCycler::install(this, tbsOptions, {picOptions.begin(), picOptions.end()});
    WindowKeys::enterPresses(this, cmdOK);
    WindowKeys::escapeCloses(this, cmdCancel);

    WindowFrame::apply(this, WindowFrame::Frame::FixedDialog, 6165, 5025);
    WindowFrame::centre(this);
    // Said once, when the window opens: the list is read again on every activation.
    if (const auto registry = loadEngineers(); !registry)
        QTimer::singleShot(0, this,
                           [this, why = registry.error()] { Dialogs::failure(this, why); });
    // Nothing is picked until the user picks it.
    Combo1->setCurrentIndex(-1);
    cmdOK->setEnabled(false);
    if (purpose_ != Purpose::Create) fillFromStudy();
    onoma->setFocus();
}

void stoixeia::open(Purpose purpose, const std::filesystem::path& study) {
    stoixeia* shown = WindowRegistry::find<stoixeia>();
    if (!shown || (shown->purpose_ == purpose && shown->study_ == study)) {
        WindowRegistry::show<stoixeia>(purpose, study);
        return;
    }
    WindowRegistry::bringToFront(shown);
    Dialogs::message(shown, QStringLiteral("Το παράθυρο «") + shown->windowTitle() +
                                QStringLiteral("» είναι ήδη ανοιχτό. Ολοκληρώστε ή ακυρώστε ό,τι "
                                               "γράφεται εκεί και δοκιμάστε ξανά."));
}

void stoixeia::fillFromStudy() {
    const auto stored = store::Study(study_).details();
    if (!stored) {
        QTimer::singleShot(0, this,
                           [this, error = stored.error()] { Dialogs::failure(this, error); });
        return;
    }
    const auto fields = stored->fields();
    const std::array<QLineEdit*, 12> boxes = {onoma, eponymo, dnsh, poli, dimos, DD,
                                              uesi,  onm,     Epm,  dnsm, polim, eidikot};
    // A copy is made for another owner: the site and the engineer are usually the same.
    const std::size_t first = purpose_ == Purpose::Copy ? 4 : 0;
    for (std::size_t i = first; i < boxes.size(); ++i)
        boxes[i]->setText(QString::fromStdString(fields[i]));
    applyOkRule();
}

bool stoixeia::event(QEvent* event) {
    // Coming back from the new-engineer window, the engineer just added is in the list.
    if (event->type() == QEvent::WindowActivate) (void)loadEngineers();
    return QWidget::event(event);
}

store::Result<std::vector<store::Engineer>> stoixeia::loadEngineers() {
    store::Result<std::vector<store::Engineer>> registry =
        store::EngineerRegistry::readAll(StudyAccess::installation());
    // One that cannot be read offers no engineer.
    const std::vector<store::Engineer> engineers = registry.valueOr({});
    const int count = static_cast<int>(engineers.size());
    // The combo box picks the first entry added to an empty list by itself; the pick stays the
    // user's, so an engineer shows as chosen only once the boxes hold that engineer.
    const int picked = Combo1->currentIndex();
    for (int i = 0; i < count; ++i) {
        const store::Engineer& engineer = engineers[static_cast<std::size_t>(i)];
        const QString entry = QString::fromStdString(engineer.firstName + ' ' + engineer.surname);
        if (i < Combo1->count())
            Combo1->setItemText(i, entry);
        else
            Combo1->addItem(entry);
    }
    // A registry trimmed by hand: offer only engineers that are still there.
    while (Combo1->count() > count)
        Combo1->removeItem(Combo1->count() - 1);
    Combo1->setCurrentIndex(picked < count ? picked : -1);
    return registry;
}

void stoixeia::applyOkRule() {
    // Once the study can be created the button stays usable, as it always has.
    if (!onm->text().isEmpty() && !Epm->text().isEmpty() && !eidikot->text().isEmpty() &&
        !onoma->text().isEmpty() && !eponymo->text().isEmpty())
        cmdOK->setEnabled(true);
}

void stoixeia::tbsOptions_Click() {
    const int selected = tbsOptions->currentIndex();
    for (std::size_t i = 0; i < picOptions.size(); ++i) {
        const bool shown = static_cast<int>(i) == selected;
        picOptions[i]->move(Twips::point(shown ? kPanelShown : kPanelHidden, kPanelTop));
        picOptions[i]->setEnabled(shown);
    }
}

void stoixeia::Combo1_Click(int index) {
    const auto engineers = loadEngineers();
    if (engineers && index >= 0 && index < static_cast<int>(engineers->size())) {
        const store::Engineer& engineer = (*engineers)[static_cast<std::size_t>(index)];
        onm->setText(QString::fromStdString(engineer.firstName));
        Epm->setText(QString::fromStdString(engineer.surname));
        dnsm->setText(QString::fromStdString(engineer.address));
        polim->setText(QString::fromStdString(engineer.city));
        eidikot->setText(QString::fromStdString(engineer.specialty));
    }
    applyOkRule();
}

void stoixeia::Command1_Click() {
    WindowRegistry::show<Form14>();
}

void stoixeia::cmdOK_Click() {
    const store::StudyDetails details = {
        text(onoma), text(eponymo),
        text(dnsh),  text(poli),
        text(dimos), text(DD),
        text(uesi),  {text(onm), text(Epm), text(dnsm), text(polim), text(eidikot)},
    };
    const std::filesystem::path installation = StudyAccess::installation();
    const auto done = purpose_ == Purpose::Correct
                          ? store::StudyCorrection::correct(installation, study_, details)
                      : purpose_ == Purpose::Copy
                          ? store::StudyCreation::copy(installation, study_, details)
                          : store::StudyCreation::create(installation, details);
    if (!done.status) {
        Dialogs::failure(this, done.status.error());
        return;
    }
    // The summary shows the study corrected, or the copy that is now current.
    if (Form13* summary = WindowRegistry::find<Form13>()) summary->reload();
    if (purpose_ == Purpose::Correct) {
        if (Form1* open = WindowRegistry::find<Form1>()) open->reload();
    } else {
        showWorkSelection();
    }
    close();
}

void stoixeia::showWorkSelection() {
    if (Form1* open = WindowRegistry::find<Form1>()) open->reload();
    WindowRegistry::show<Form1>();
}

} // namespace velmora::ui
