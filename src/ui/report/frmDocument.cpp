// The report window: the fee report of the current study as plain text, inside the report shell.
#include "ui/report/frmDocument.h"

#include "calc/ReportText.h"
#include "messages/Describe.h"
#include "print/ReportPrinter.h"
#include "store/study/Study.h"
#include "ui/services/StudyAccess.h"
#include "ui/services/Twips.h"

#include <QTextEdit>

namespace velmora::ui {
namespace {

constexpr int kMargin = 100;
constexpr int kWrapInset = 400;

} // namespace

frmDocument::frmDocument(const QString& caption, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmDocument"));
    setWindowTitle(caption);

    rtfText = new QTextEdit(this);
    rtfText->setObjectName(QStringLiteral("rtfText"));
    rtfText->setAcceptRichText(false);
    rtfText->setFont(print::ReportPrinter::font());
    rtfText->setTabStopDistance(print::ReportPrinter::kTabStop);
    rtfText->setLineWrapMode(QTextEdit::FixedPixelWidth);

    Form_Load();
}

void frmDocument::reload(Reload which) {
    Form_Load(which == Reload::Same ? study_ : std::filesystem::path());
}

void frmDocument::Form_Load(std::filesystem::path study) {
    Form_Resize();
    problem_.clear();
    study_.clear();
    rtfText->clear();
    if (study.empty()) {
        auto current = store::Study::current(StudyAccess::installation());
        if (!current) {
            problem_ = QString::fromStdString(messages::describe(current.error()));
            return;
        }
        study = current->folder();
    }
    study_ = std::move(study);
    calc::ReportText::Report report = calc::ReportText::join(study_);
    if (!report.whole()) problem_ = QString::fromStdString(messages::describe(report));
    // The box keeps paragraphs, not line ends: each CR LF becomes one paragraph break.
    rtfText->setPlainText(
        QString::fromStdString(report.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmDocument::Form_Resize() {
    // A window too small for the margins keeps the box where and as large as it was.
    const int width = Twips::fromPixels(this->width()) - 2 * kMargin;
    const int height = Twips::fromPixels(this->height()) - 2 * kMargin;
    if (width < 0 || height < 0) return;
    rtfText->setGeometry(Twips::rect(kMargin, kMargin, width, height));
    const int wrap = Twips::fromPixels(rtfText->width()) - kWrapInset;
    if (wrap > 0) rtfText->setLineWrapColumnOrWidth(Twips::toPixels(wrap));
}

void frmDocument::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

} // namespace velmora::ui
