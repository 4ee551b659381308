// Read-only summary of the current study: its details, scale, λ, plan zone and every quantity.

#include "ui/report/Form13.h"

#include "messages/Describe.h"
#include "messages/StudyShown.h"
#include "store/text/NumberText.h"
#include "ui/services/Dialogs.h"
#include "ui/services/Regional.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/Twips.h"
#include "ui/services/ValueLabel.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"
#include "ui/services/WindowRegistry.h"
#include "ui/study/stoixeia.h"
#include "ui/works/Form2.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <optional>
#include <string>
#include <vector>

namespace velmora::ui {
namespace {

// The labels are laid out for MS Sans Serif; elsewhere a font of about its widths stands in.
QFont dialogFont(int points) {
    static const bool substituted = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                    QStringLiteral("Liberation Sans")});
        return true;
    }();
    (void)substituted;
    QFont font(QStringLiteral("MS Sans Serif"), points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString number(double value, int digits = store::NumberText::kDoubleDigits) {
    return fromUtf8(store::NumberText::general(value, digits, Regional::decimalSeparator()));
}

} // namespace

Form13::Form13(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Form13"));
    setFont(dialogFont(8));

    Label1 = caption(QStringLiteral("VELMORA ΤΟΠΟΓΡΑΦΙΚΩΝ ΔΙΑΓΡΑΜΜΑΤΩΝ"), 1320, 120, 8085,
                     Qt::AlignHCenter);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->resize(Twips::size(8085, 435));
    QFont heading = dialogFont(18);
    heading.setBold(true);
    heading.setUnderline(true);
    // Where the stand-in font runs wider than the original, the title shrinks rather than lose
    // its ends.
    while (heading.pointSize() > 8 &&
           QFontMetrics(heading).horizontalAdvance(Label1->text()) > Label1->width())
        heading.setPointSize(heading.pointSize() - 1);
    Label1->setFont(heading);
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(red);

    Label3 = caption(QStringLiteral("Συντελεστής λ:"), -120, 720, 1695, Qt::AlignRight);
    Label3->setObjectName(QStringLiteral("Label3"));
    l = value(QStringLiteral("l"), 1680, 720, 855);
    l->setPalette(red);
    Label2 = caption(QStringLiteral("Κλίμακα 1:"), 4080, 720, 855);
    Label2->setObjectName(QStringLiteral("Label2"));
    klim = value(QStringLiteral("klim"), 4920, 720, 735);
    ent = value(QStringLiteral("ent"), 8880, 720, 2295);

    caption(QStringLiteral("Ιδιοκτήτης"), 720, 1320, 2055, Qt::AlignHCenter);
    caption(QStringLiteral("Εργο"), 4440, 1320, 2055, Qt::AlignHCenter);
    caption(QStringLiteral("Μηχανικός"), 8400, 1320, 2055, Qt::AlignHCenter);

    onoma = row(QStringLiteral("Όνομα:"), 600, 1200, QStringLiteral("onoma"), 1800, 1800, 1575);
    eponymo =
        row(QStringLiteral("Επώνυμο:"), 600, 1200, QStringLiteral("eponymo"), 1800, 2160, 1695);
    dnsh = row(QStringLiteral("Διεύθυνση:"), 600, 1200, QStringLiteral("dnsh"), 1800, 2520, 1335);
    poli = row(QStringLiteral("Πόλη:"), 600, 1200, QStringLiteral("poli"), 1800, 2880, 1455);

    dimos = row(QStringLiteral("Δήμος:"), 4080, 1800, QStringLiteral("dimos"), 5880, 1800, 2175);
    dd = row(QStringLiteral("Δημοτικό Διαμέρισμα"), 4080, 1800, QStringLiteral("dd"), 5880, 2160,
             2175);
    uesi = row(QStringLiteral("Διεύθυνση:"), 4080, 1800, QStringLiteral("uesi"), 5880, 2520, 2175);

    onm = row(QStringLiteral("Όνομα:"), 8280, 960, QStringLiteral("onm"), 9240, 1800, 1575);
    epm = row(QStringLiteral("Επώνυμο:"), 8280, 960, QStringLiteral("epm"), 9240, 2160, 1695);
    dnsm = row(QStringLiteral("Διεύθυνση:"), 8280, 960, QStringLiteral("dnsm"), 9240, 2520, 1335);
    polim = row(QStringLiteral("Πόλη:"), 8280, 960, QStringLiteral("polim"), 9240, 2880, 1455);
    caption(QStringLiteral("Ειδικότητα:"), 8280, 3240, 1080);
    // Laid out 2415 wide it would run past the window's edge; kept inside, a long specialty
    // wraps onto the label's second line instead of being cut.
    eidikot = value(QStringLiteral("eidikot"), 9360, 3240, 11340 - 9360 - 60, 495);
    eidikot->setWordWrap(true);
    eidikot->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Works grid, column by column. Headings and the values under them are centred over the
    // column; a value beside a row caption is left-aligned.
    constexpr int kHeading = 2295;
    caption(QStringLiteral("Τριγωνισμοί"), 360, 3840, kHeading, Qt::AlignHCenter);
    iii = row(QStringLiteral("ΙΙΙ Τάξης"), 360, 1335, QStringLiteral("iii"), 1800, 4200, 855);
    iv = row(QStringLiteral("IV Τάξης"), 360, 1335, QStringLiteral("iv"), 1800, 4560, 855);
    empr =
        row(QStringLiteral("Εμπροσθοτομίες"), 360, 1335, QStringLiteral("empr"), 1800, 4920, 855);
    opi = row(QStringLiteral("Οπισθοτομίες"), 360, 1335, QStringLiteral("opi"), 1800, 5280, 855);
    caption(QStringLiteral("Χάραξη Οικοπέδων"), 360, 5760, kHeading, Qt::AlignHCenter);
    xoi = value(QStringLiteral("xoi"), 360, 6120, kHeading, 255, Qt::AlignHCenter);

    caption(QStringLiteral("Ταχυμετρία στην Ύπαιθρο"), 2880, 3840, kHeading, Qt::AlignHCenter);
    q0 = row(QStringLiteral("Κλιση εως 5%"), 2880, 1335, QStringLiteral("q0"), 4320, 4200, 855);
    q5 = row(QStringLiteral("Κλίση 5%-20%"), 2880, 1335, QStringLiteral("q5"), 4320, 4560, 855);
    q20 = row(QStringLiteral("Κλίση 20%-50%"), 2880, 1335, QStringLiteral("q20"), 4320, 4920, 855);
    q50 = row(QStringLiteral("Κλίση 50%-100%"), 2880, 1335, QStringLiteral("q50"), 4320, 5280, 855);
    q100 = row(QStringLiteral("Κλίση 100%-"), 2880, 1335, QStringLiteral("q100"), 4320, 5640, 855);
    hh = row(QStringLiteral("Υψομετρία"), 2880, 1335, QStringLiteral("hh"), 4320, 6000, 855);

    caption(QStringLiteral("Πολυγωνομετρικά Σημεία"), 5400, 3840, kHeading, Qt::AlignHCenter);
    polo = value(QStringLiteral("polo"), 5400, 4200, kHeading, 255, Qt::AlignHCenter);
    caption(QStringLiteral("Ρυμοτομικές Γραμμές"), 5400, 4680, kHeading, Qt::AlignHCenter);
    ajj = row(QStringLiteral("Σημεία Αξόνων"), 5400, 1215, QStringLiteral("ajj"), 6720, 5040, 975);
    ot = row(QStringLiteral("Σημεία Ο.Τ."), 5400, 1215, QStringLiteral("ot"), 6720, 5400, 1095);
    caption(QStringLiteral("Αποτυπώσεις Εντός Σχεδίου"), 5400, 5880, kHeading, Qt::AlignHCenter);
    ae = value(QStringLiteral("ae"), 5400, 6240, kHeading, 255, Qt::AlignHCenter);

    caption(QStringLiteral("Πράξεις αναλογισμού (Km)"), 7920, 3840, kHeading, Qt::AlignHCenter);
    kma = value(QStringLiteral("kma"), 7920, 4200, kHeading, 255, Qt::AlignHCenter);
    caption(QStringLiteral("Xάραξη Κτιριακών Έργων"), 7920, 4680, kHeading, Qt::AlignHCenter);
    caption(QStringLiteral("(σε Πολυγωνομετρικά Σημεία)"), 7920, 4920, kHeading, Qt::AlignHCenter);
    XK = value(QStringLiteral("ΧΚ"), 7920, 5400, kHeading, 255, Qt::AlignHCenter);
    caption(QStringLiteral("Πίνακες Χιλιοστών (ιδιοκτ.)"), 7920, 5880, kHeading, Qt::AlignHCenter);
    xilio = value(QStringLiteral("xilio"), 7920, 6240, kHeading, 255, Qt::AlignHCenter);

    // The buttons stand in one row along the bottom.
    auto button = [this](const QString& text, const QString& name, int left) {
        auto* made = new QPushButton(text, this);
        made->setObjectName(name);
        made->setGeometry(Twips::rect(left, 8520, 2295, 495));
        return made;
    };
    Command1 = button(QStringLiteral("Αναθεωριση συντελεστού λ"), QStringLiteral("Command1"), 120);
    cmdDiorthosi =
        button(QStringLiteral("Διόρθωση στοιχείων"), QStringLiteral("cmdDiorthosi"), 3000);
    cmdAntigrafi =
        button(QStringLiteral("Αντιγραφή μελέτης"), QStringLiteral("cmdAntigrafi"), 5940);
    Command2 = button(QStringLiteral("Ανάγνωση"), QStringLiteral("Command2"), 8880);
    connect(cmdDiorthosi, &QPushButton::clicked, this, [this] { openDetails(false); });
    connect(cmdAntigrafi, &QPushButton::clicked, this, [this] { openDetails(true); });
    connect(Command1, &QPushButton::clicked, this, &Form13::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    WindowKeys::enterPresses(this, nullptr);
    WindowKeys::escapeCloses(this);

    WindowFrame::apply(this, WindowFrame::Frame::Sizable, 11340, 9180);
    WindowFrame::centre(this);
    Form_Load();
}

QLabel* Form13::value(const QString& name, int left, int top, int width, int height,
                      Qt::Alignment alignment) {
    // Until the study is read, a value label shows its own name.
    auto* label = new ValueLabel(this);
    label->setText(name);
    label->setObjectName(name);
    label->setGeometry(Twips::rect(left, top, width, height));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLabel* Form13::row(const QString& text, int captionLeft, int captionWidth, const QString& name,
                    int valueLeft, int top, int width) {
    caption(text, captionLeft, top, captionWidth);
    return value(name, valueLeft, top, width);
}

QLabel* Form13::caption(const QString& text, int left, int top, int width,
                        Qt::Alignment alignment) {
    auto* label = new QLabel(text, this);
    label->setGeometry(Twips::rect(left, top, width, 255));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

void Form13::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    auto line = [&](int x1, int y1, int x2, int y2) {
        painter.drawLine(Twips::point(x1, y1), Twips::point(x2, y2));
    };
    line(480, 1680, 3240, 1680);
    line(4080, 1680, 6840, 1680);
    line(8040, 1680, 10800, 1680);

    painter.drawRect(QRect(Twips::point(240, 3720), Twips::point(10320, 6600)));
    for (int x : {2760, 5280, 7800})
        line(x, 3720, x, 6600);
    line(240, 5640, 2760, 5640);
    line(5280, 4560, 10320, 4560);
    line(5280, 5760, 10320, 5760);
}

void Form13::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (problem_.isEmpty()) return;
    const QString problem = problem_;
    problem_.clear();
    QTimer::singleShot(0, this, [this, problem] { Dialogs::message(this, problem); });
}

void Form13::Form_Load() {
    const std::vector<QLabel*> details = {onoma, eponymo, dnsh, poli, dimos, dd,
                                          uesi,  onm,     epm,  dnsm, polim, eidikot};
    const std::vector<QLabel*> works = {kma, q0, q5,  q20, q50,  q100, hh, ae,    polo,
                                        ajj, ot, iii, iv,  empr, opi,  XK, xilio, xoi};
    for (QLabel* label : {l, klim, ent})
        label->clear();
    for (QLabel* label : details)
        label->clear();
    for (QLabel* label : works)
        label->clear();

    const auto study = store::Study::current(StudyAccess::installation());
    if (!study) {
        problem_ = fromUtf8(messages::describe(study.error()));
        return;
    }
    const store::Study::Summary summary = study->summary();
    const char separator = Regional::decimalSeparator();

    // Stage A: what is missing stays empty, and the user is told which files those are.
    if (summary.inside)
        ent->setText(*summary.inside ? QStringLiteral("ΕΝΤΟΣ ΣΧΕΔΙΟΥ")
                                     : QStringLiteral("ΕΚΤΟΣ ΣΧΕΔΙΟΥ"));
    if (summary.scale) klim->setText(fromUtf8(messages::scaleShown(*summary.scale, separator)));
    if (summary.lambda)
        l->setText(fromUtf8(
            messages::lambdaShown(*summary.lambda, messages::LambdaShown::Summary, separator)));
    const auto fields = summary.details.fields();
    for (std::size_t i = 0; i < details.size(); ++i)
        details[i]->setText(fromUtf8(fields[i]));
    if (const std::string unread = messages::summaryUnread(study->folder(), summary.unread);
        !unread.empty())
        problem_ = fromUtf8(unread);

    // Stage B: the quantities of every work.
    using store::Work;
    auto show = [&](Work work, const std::vector<QLabel*>& labels) {
        const std::vector<double>& values = summary.of(work);
        for (std::size_t i = 0; i < labels.size(); ++i)
            labels[i]->setText(number(values[i]));
    };
    show(Work::Apportionment, {kma});
    show(Work::Tachymetry, {q0, q5, q20, q50, q100});
    hh->setText(store::Tachymetry::of(summary.of(Work::Tachymetry)).elevation != 0
                    ? QStringLiteral("Ν Α Ι")
                    : QStringLiteral("Ο Χ Ι"));
    show(Work::Urban, {ae});
    show(Work::Polygonometry, {polo});
    show(Work::Lines, {ajj, ot});
    show(Work::Triangulation, {iii, iv, empr, opi});
    show(Work::Buildings, {XK});
    show(Work::Thousandths, {xilio});
    show(Work::Plots, {xoi});
}

void Form13::Command1_Click() {
    showLambdaChange();
    // λ as stored now: the change window stores a new one later, and this label does not follow.
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return;
    const auto lambda = study->lambdaItem();
    if (!lambda) {
        l->clear();
        // Only a file that is not there is missing; any other cause is told as it is.
        const store::Error& why = lambda.error();
        Dialogs::message(
            this, fromUtf8(why.kind == store::Error::Kind::NotFound
                               ? "Λείπει το αρχείο «" + messages::fileNameOf(why) +
                                     "» της μελέτης: ο συντελεστής λ εμφανίζεται "
                                     "κενός."
                               : messages::describe(why) + " Ο συντελεστής λ εμφανίζεται κενός."));
        return;
    }
    l->setText(fromUtf8(messages::lambdaShown(*lambda, messages::LambdaShown::SummaryAfterChange,
                                              Regional::decimalSeparator())));
}

void Form13::reload() {
    Form_Load();
    if (problem_.isEmpty() || !isVisible()) return;
    const QString problem = problem_;
    problem_.clear();
    Dialogs::message(this, problem);
}

void Form13::openDetails(bool copy) {
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return;
    stoixeia::open(copy ? stoixeia::Purpose::Copy : stoixeia::Purpose::Correct, study->folder());
}

void Form13::showLambdaChange() {
    WindowRegistry::show<Form2>();
}

} // namespace velmora::ui
