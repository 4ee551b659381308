// Help: a short text about the program and where to ask for support.

#include "ui/shell/help.h"

#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace velmora::ui {
namespace {

// The support lines carry placeholders until the support desk has its own number and address.
constexpr char16_t kText[] = u"\tΤο Πρόγραμμα υπολογίζει τις αμοιβές \r\n"
                             u"Τοπογραφικών διαγραμμάτων βάσει του ΠΔ 696.\r\n"
                             u"\tΗ διάρθρωσή του σε γενικές γραμμές έγινε ώστε \r\n"
                             u"να είναι φιλικό στο χρήστη. \r\n"
                             u"\tΑν και όσες φορές δοκιμάστηκε το πρόγραμμα \r\n"
                             u"δούλεψε αρκετά καλά, ο Νόμος του Μέρφυ δεν αποκλείει \r\n"
                             u"κάποιο λάθος που δεν έχει εμφανιστεί να δημιουργήσει \r\n"
                             u"προβλήματα. Για αυτά τα προβλήματα όπως και για κάθε \r\n"
                             u"άλλη παρατήρηση ή ερώτηση μπορείτε να επικοινωνήσετε \r\n"
                             u"μαζί μου στα:\r\n"
                             u"\tΤηλ:    210 0000000\r\n"
                             u"\te-mail: support@example.com\r\n";

} // namespace

QString help::text() {
    return QString::fromUtf16(kText);
}

help::help(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Βοήθεια......"));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    // The box keeps lines as the text has them; only their CR LF ends become its own line ends.
    Text1->setPlainText(text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Text1->setReadOnly(true);
    // Each line stands as written; where the box is too narrow, it scrolls sideways.
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The box is narrow; a font no larger than the classic 8 points keeps most lines whole.
    QFont font = Text1->font();
    if (font.pointSizeF() > 8) font.setPointSizeF(8);
    Text1->setFont(font);
    Text1->setTabStopDistance(QFontMetricsF(Text1->font()).horizontalAdvance(QLatin1Char(' ')) * 4);
    Text1->setGeometry(Twips::rect(120, 120, 4575, 2535));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(Twips::rect(4815, 120, 1155, 375));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QWidget::close);

    WindowFrame::apply(this, WindowFrame::Frame::FixedDialogWithClose, 6090, 2790);
    WindowFrame::centre(this);
}

} // namespace velmora::ui
