// Statutory amounts: the labels and rates the current study's fee carries, and the default list.

#include "ui/works/kratiseis.h"

#include "messages/Describe.h"
#include "ui/services/Dialogs.h"
#include "ui/services/Regional.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::ui {
namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

} // namespace

kratiseis::kratiseis(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("kratiseis"));
    setWindowTitle(QStringLiteral("Κρατήσεις"));

    Label1 = new QLabel(QStringLiteral("Κρατήσεις επί της αμοιβής μελέτης (συντελεστής από 0 "
                                       "έως 1, π.χ. 0,24 για 24%). Ισχύουν για τη μελέτη και "
                                       "για τις νέες μελέτες."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    auto* rows = new QGridLayout;
    // Wide enough for the labels of old with their padding, and then some.
    const int labelWidth =
        QFontMetrics(font()).horizontalAdvance(QStringLiteral("Φ.Π.Α. 18%     = ")) * 2;
    for (int i = 0; i < kRows; ++i) {
        lblPerigrafi[i] = new QLabel(QStringLiteral("Κράτηση &%1:").arg(i + 1), this);
        lblPerigrafi[i]->setObjectName(QStringLiteral("lblPerigrafi"));
        lblPerigrafi[i]->setProperty("index", i);
        perigrafi[i] = new QLineEdit(this);
        perigrafi[i]->setObjectName(QStringLiteral("perigrafi"));
        perigrafi[i]->setProperty("index", i);
        perigrafi[i]->setMinimumWidth(labelWidth);
        lblPerigrafi[i]->setBuddy(perigrafi[i]);
        lblSyntelestis[i] = new QLabel(QStringLiteral("Συντελεστής:"), this);
        lblSyntelestis[i]->setObjectName(QStringLiteral("lblSyntelestis"));
        lblSyntelestis[i]->setProperty("index", i);
        syntelestis[i] = new QLineEdit(this);
        syntelestis[i]->setObjectName(QStringLiteral("syntelestis"));
        syntelestis[i]->setProperty("index", i);
        syntelestis[i]->setMaximumWidth(
            QFontMetrics(font()).horizontalAdvance(QStringLiteral("0,0000000")) + 16);
        lblSyntelestis[i]->setBuddy(syntelestis[i]);
        rows->addWidget(lblPerigrafi[i], i, 0);
        rows->addWidget(perigrafi[i], i, 1);
        rows->addWidget(lblSyntelestis[i], i, 2);
        rows->addWidget(syntelestis[i], i, 3);
    }
    rows->setColumnStretch(1, 1);

    cmdTesseris = button(this, "cmdTesseris", QStringLiteral("Οι τέσσερις παλαιές"));
    cmdOK = button(this, "cmdOK", QStringLiteral("Αποθήκευση"));
    cmdCancel = button(this, "cmdCancel", QStringLiteral("Άκυρο"));
    connect(cmdTesseris, &QPushButton::clicked, this,
            [this] { fill(store::StatutoryAmounts::standard()); });
    connect(cmdOK, &QPushButton::clicked, this, &kratiseis::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdTesseris);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(Label1);
    outer->addLayout(rows);
    outer->addLayout(buttons);

    for (int i = 0; i < kRows; ++i) {
        setTabOrder(i == 0 ? static_cast<QWidget*>(Label1) : syntelestis[i - 1], perigrafi[i]);
        setTabOrder(perigrafi[i], syntelestis[i]);
    }
    setTabOrder(syntelestis[kRows - 1], cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, cmdTesseris);

    WindowKeys::enterPresses(this, cmdOK);
    WindowKeys::escapeCloses(this, cmdCancel);
    WindowFrame::apply(this, WindowFrame::Frame::FixedDialog, 8400, 2400);
    WindowFrame::centre(this);
    load();
    perigrafi[0]->setFocus();
}

void kratiseis::fill(const std::vector<store::StatutoryAmount>& amounts) {
    const char separator = Regional::decimalSeparator();
    for (int i = 0; i < kRows; ++i) {
        const bool used = i < static_cast<int>(amounts.size());
        perigrafi[i]->setText(used ? QString::fromStdString(amounts[i].label) : QString());
        syntelestis[i]->setText(used ? QString::fromStdString(store::StatutoryAmounts::shownRate(
                                           amounts[i].rate, separator))
                                     : QString());
    }
}

void kratiseis::load() {
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return;
    auto read = study->amounts();
    if (!read) {
        Dialogs::failure(this, read.error(),
                         QStringLiteral("Δεν ήταν δυνατή η ανάγνωση των κρατήσεων της μελέτης:\n"));
        return;
    }
    fill(read->amounts);
    // A list made by hand may be longer than the rows; saving would keep only what is shown.
    if (read->amounts.size() > store::StatutoryAmounts::kMost)
        Dialogs::message(this, QStringLiteral("Η μελέτη έχει %1 κρατήσεις· εδώ φαίνονται οι "
                                              "πρώτες %2, και μόνο αυτές κρατά η αποθήκευση.")
                                   .arg(read->amounts.size())
                                   .arg(kRows));
    if (!read->faults.empty())
        Dialogs::message(
            this, QStringLiteral("Οι κρατήσεις της μελέτης δεν διαβάστηκαν όλες "
                                 "σωστά:\n- %1\nΔιορθώστε τες και αποθηκεύστε.")
                      .arg(QString::fromStdString(messages::describe(read->faults.front()))));
}

void kratiseis::cmdOK_Click() {
    std::vector<store::StatutoryAmounts::Typed> typed;
    for (int i = 0; i < kRows; ++i) {
        const std::string label = perigrafi[i]->text().toStdString();
        const std::string rate = syntelestis[i]->text().toStdString();
        if (label.find_first_not_of(" \t") == std::string::npos &&
            rate.find_first_not_of(" \t") == std::string::npos)
            continue;
        typed.push_back({label, rate});
    }
    auto amounts = store::StatutoryAmounts::fromTyped(typed);
    if (!amounts) {
        Dialogs::message(this, QString::fromStdString(messages::describe(amounts.error())));
        return;
    }
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return;
    if (StudyAccess::stored(this, study->changeAmounts(StudyAccess::installation(), *amounts),
                            QStringLiteral("Οι κρατήσεις της μελέτης άλλαξαν, αλλά δεν έγιναν οι "
                                           "προεπιλεγμένες για τις νέες μελέτες:\n")))
        close();
}

} // namespace velmora::ui
