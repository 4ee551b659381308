// Change of λ: the current study's coefficient, and the default for studies created next.

#include "ui/works/Form2.h"

#include "messages/Describe.h"
#include "store/text/TypedQuantity.h"
#include "ui/services/Dialogs.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"
#include "ui/works/QuantityBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmora::ui {

Form2::Form2(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Αλλαγή Συντελεστή λ"));

    Label1 = new QLabel(QStringLiteral("Νέος Συντελεστής λ"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(Twips::rect(240, 240, 2910, 375));
    ll1 = new QLineEdit(this);
    ll1->setObjectName(QStringLiteral("ll1"));
    ll1->setGeometry(Twips::rect(720, 840, 1950, 405));
    Label1->setBuddy(ll1);
    Command1 = new QPushButton(QStringLiteral("Αποθήκευση"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::rect(720, 1560, 1950, 555));
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    WindowKeys::enterPresses(this, Command1);
    WindowKeys::escapeCloses(this);

    WindowFrame::apply(this, WindowFrame::Frame::FixedDialog, 3390, 2505);
    WindowFrame::centre(this);
    ll1->setFocus();
}

void Form2::Command1_Click() {
    auto study = StudyAccess::currentOrWarn(this);
    if (!study) return;
    const std::string typed = ll1->text().toStdString();
    const store::Study::Change change = study->changeLambda(StudyAccess::installation(), typed);
    const bool refused =
        !change.study && change.study.error().refusal == store::Error::Refusal::LambdaNotPositive;
    QuantityBoxes::mark(ll1, refused);
    if (!refused) {
        if (StudyAccess::stored(this, change,
                                QStringLiteral("Ο συντελεστής λ της μελέτης άλλαξε, αλλά δεν "
                                               "έγινε ο προεπιλεγμένος για τις νέες μελέτες:\n")))
            close();
        return;
    }
    ll1->setFocus();
    ll1->selectAll();
    // "1.500" is a number, but which one is for the user to say.
    QString ambiguity;
    if (store::TypedQuantity::check(typed).fault == store::TypedQuantity::Fault::ThousandsPoint)
        ambiguity =
            QString::fromStdString(messages::describe(
                store::TypedQuantity::take(QuantityBoxes::fieldName(Label1).toStdString(), typed)
                    .error())) +
            QStringLiteral("\n\n");
    Dialogs::message(this,
                     ambiguity + QString::fromStdString(messages::describe(change.study.error())));
}

} // namespace velmora::ui
