// Rights warning: the study's engineer has no right to triangulation work.

#include "ui/shell/error_trig.h"

#include "store/base/Specialty.h"
#include "ui/services/Dialogs.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowKeys.h"

#include <QLabel>
#include <QPushButton>

namespace velmora::ui {
namespace {

// The blanks lay the text out in its narrow box as it has always looked.
constexpr char16_t kReason[] = u"                Σύμφωνα με την ειδιοκτότητά σας δεν έχετε "
                               u"τα απαραίτητα δικαιώματα για την εργασία του "
                               u"τριγωνισμού.                 Ο Τριγωνισμός  απαιτεί  την  "
                               u"χρήση  υπολογισμών με  την  μέθοδο  των  ελαχίστων  "
                               u"τετραγώνων   καθώς  και υπολογισμούς στο Γεωειδές. ";

constexpr int kLeft = 120;
constexpr int kTextWidth = 4455;

} // namespace

QString error_trig::reason() {
    return QString::fromUtf16(kReason);
}

error_trig::error_trig(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("error_trig"));
    setWindowTitle(QStringLiteral("ΠΡΟΣΟΧΗ"));

    Label1 = new QLabel(QStringLiteral("Έχετε δηλώσει οτι η ειδικότητά σας είναι:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Label2"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label3 = new QLabel(reason(), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    connect(OKButton, &QPushButton::clicked, this, &QWidget::close);
    WindowKeys::enterPresses(this, OKButton);
    WindowKeys::escapeCloses(this);
    for (QLabel* label : {Label1, Label2, Label3})
        label->setTextFormat(Qt::PlainText);

    if (auto study = StudyAccess::currentOrWarn(this)) {
        if (auto code = study->specialtyCode()) {
            if (auto name = store::Specialty::nameOf(*code))
                Label2->setText(QString::fromUtf8(name->data(), static_cast<int>(name->size())));
        } else {
            Dialogs::failure(this, code.error(),
                             QStringLiteral("Δεν είναι γνωστή η ειδικότητα του μηχανικού της "
                                            "μελέτης.\n"));
        }
    }

    // Stacked down the left, the OK button at the upper right; the box grows with the font.
    const int width = Twips::toPixels(kTextWidth);
    const int left = Twips::toPixels(kLeft);
    int top = Twips::toPixels(90);
    for (QLabel* label : {Label1, Label2, Label3}) {
        const int height =
            label->wordWrap() ? label->heightForWidth(width) : label->sizeHint().height();
        label->setGeometry(left, top, width, height);
        top += height + 4;
    }
    const QSize ok = OKButton->sizeHint().expandedTo(Twips::size(1095, 375));
    const int clientWidth = std::max(Twips::toPixels(6030), left + width + 16 + ok.width() + 12);
    OKButton->setGeometry(clientWidth - ok.width() - 12, Twips::toPixels(120), ok.width(),
                          ok.height());
    WindowFrame::apply(this, WindowFrame::Frame::FixedDialog, Twips::fromPixels(clientWidth),
                       Twips::fromPixels(std::max(Twips::toPixels(1785), top + 6)));
    WindowFrame::centre(this);
}

} // namespace velmora::ui
