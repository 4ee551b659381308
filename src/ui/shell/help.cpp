// Help: a short text about the program and where to ask for support.

#include "ui/shell/help.h"

#include "SupportContact.h"

#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace velmora::ui {
namespace {

constexpr char16_t kText[] = u"\tΤο Πρόγραμμα υπολογίζει τις αμοιβές \r\n"
                             u"Τοπογραφικών διαγραμμάτων βάσει του ΠΔ 696.\r\n"
                             u"\tΗ διάρθρωσή του σε γενικές γραμμές έγινε ώστε \r\n"
                             u"να είναι φιλικό στο χρήστη. \r\n"
                             u"\tΑν και όσες φορές δοκιμάστηκε το πρόγραμμα \r\n"
                             u"δούλεψε αρκετά καλά, ο Νόμος του Μέρφυ δεν αποκλείει \r\n"
                             u"κάποιο λάθος που δεν έχει εμφανιστεί να δημιουργήσει \r\n"
                             u"προβλήματα. Για αυτά τα προβλήματα όπως και για κάθε \r\n"
                             u"άλλη παρατήρηση ή ερώτηση μπορείτε να επικοινωνήσετε \r\n"
                             u"μαζί μου στα:\r\n";

constexpr int kMargin = 120;

} // namespace

QString help::text() {
    return text(QString::fromUtf8(kSupportPhone), QString::fromUtf8(kSupportEmail));
}

QString help::text(const QString& phone, const QString& email) {
    // Without a support desk of the package's own the two lines keep their labels only: no
    // number or address is shown that nobody answers.
    return QString::fromUtf16(kText) + QStringLiteral("\tΤηλ:    ") + phone +
           QStringLiteral("\r\n\te-mail: ") + email + QStringLiteral("\r\n");
}

help::help(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Βοήθεια......"));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    // The box keeps lines as the text has them; only their CR LF ends become its own line ends.
    const QString shown = text().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(shown);
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(Text1->font());
    const int tab = metrics.horizontalAdvance(QLatin1Char(' ')) * 4;
    Text1->setTabStopDistance(tab);

    // The box is as large as the text laid out in the font in use, so that every line shows
    // whole: measured on the box's own layout, whose widths can differ from the font's metrics by
    // some pixels on Windows. Trailing blanks count, as the box draws them.
    QAbstractTextDocumentLayout* layout = Text1->document()->documentLayout();
    qreal lineHeight = metrics.lineSpacing();
    for (QTextBlock block = Text1->document()->begin(); block.isValid(); block = block.next())
        lineHeight = std::max(lineHeight, layout->blockBoundingRect(block).height());
    const int frame = 2 * Text1->frameWidth() + metrics.averageCharWidth();
    // The box shows an empty line after the last line end, and scrolls by whole lines: one more
    // keeps the last one from counting as cut.
    const int lines = Text1->document()->blockCount() + 1;
    const QSize box = QSize(static_cast<int>(std::ceil(layout->documentSize().width())) + frame,
                            static_cast<int>(std::ceil(lines * lineHeight +
                                                       2 * Text1->document()->documentMargin())) +
                                frame)
                          .expandedTo(Twips::size(4575, 2535));
    Text1->setGeometry(QRect(Twips::point(kMargin, kMargin), box));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    const QSize ok = OKButton->sizeHint().expandedTo(Twips::size(1155, 375));
    OKButton->setGeometry(QRect(
        QPoint(Text1->geometry().right() + 1 + Twips::toPixels(kMargin), Twips::toPixels(kMargin)),
        ok));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QWidget::close);
    WindowKeys::enterPresses(this, OKButton);
    WindowKeys::escapeCloses(this);

    const QSize client(OKButton->geometry().right() + 1 + Twips::toPixels(kMargin),
                       Text1->geometry().bottom() + 1 + Twips::toPixels(kMargin));
    WindowFrame::apply(this, WindowFrame::Frame::FixedDialogWithClose,
                       std::max(6090, Twips::fromPixels(client.width())),
                       std::max(2790, Twips::fromPixels(client.height())));
    WindowFrame::centre(this);
}

} // namespace velmora::ui
