// The start-up window: the program's name and version until the user or a timer dismisses it.
#include "ui/shell/frmSplash.h"

#include "print/Fonts.h"
#include "ui/services/Picture.h"
#include "ui/services/Resources.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowFrame.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/Form9.h"
#include "ui/shell/ShellLabel.h"

#include "Version.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace velmora::ui {
frmSplash::frmSplash() {
    setObjectName(QStringLiteral("frmSplash"));
    // A frame without caption or buttons that stays out of the task bar.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setFixedSize(Twips::size(8580, 5250));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Raised);
    Frame1->setLineWidth(2);
    Frame1->setGeometry(8, 6, width() - 16, height() - 12);
    Frame1->installEventFilter(this);

    imgLogo = new Picture(QStringLiteral("surveyor"), Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(14, 24, 253, 210);

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    Label1 =
        shellLabel(Frame1, "Label1", QStringLiteral("Gorvanth"), QRect(284, 18, 254, 34), right);
    QFont times = print::Fonts::timesNewRoman(18);
    times.setBold(true);
    times.setItalic(true);
    Label1->setFont(times);
    lblCompanyProduct =
        shellLabel(Frame1, "lblCompanyProduct", QStringLiteral("Velmora Τοπογραφικών Εργασιών"),
                   QRect(276, 60, 262, 72), right, 15, true);
    lblPlatform = shellLabel(Frame1, "lblPlatform", QStringLiteral("for Windows"),
                             QRect(284, 138, 254, 28), right, 14);
    lblVersion = shellLabel(Frame1, "lblVersion", QStringLiteral("Version 1.0"),
                            QRect(284, 170, 254, 24), right, 11);
    lblCopyright = shellLabel(Frame1, "lblCopyright", QStringLiteral("© Velmora"),
                              QRect(284, 204, 254, 18), right);
    lblCompany = shellLabel(Frame1, "lblCompany", QStringLiteral("Αμοιβές κατά το ΠΔ 696"),
                            QRect(284, 224, 254, 18), right);
    lblWarning =
        shellLabel(Frame1, "lblWarning",
                   QStringLiteral("Warning:  Οι αμοιβές δεν ισχύουν για έκδοση Οικοδομικής Αδείας"),
                   QRect(14, 272, Frame1->width() - 28, 44), Qt::AlignLeft | Qt::AlignVCenter);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);

    WindowFrame::centre(this);
    Form_Load();
}

void frmSplash::Form_Load() {
    lblVersion->setText(QStringLiteral("Version %1").arg(QString::fromLatin1(kVersion)));
    Timer1->start();
}

void frmSplash::Timer1_Timer() {
    showMenu();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    // Only keys that produce a character count; arrows, function keys and shift alone do not.
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    showMenu();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    // A click on the picture or a label inside the frame is not a click on the frame.
    if (watched == Frame1 && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Frame1->rect().contains(mouse->position().toPoint()) &&
            Frame1->childAt(mouse->position().toPoint()) == nullptr) {
            showMenu();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::showMenu() {
    if (dismissed) return;
    dismissed = true;
    Timer1->stop();
    // The splash has no title bar and needs no icon; drawing the icon from its picture at every
    // size the desktop asks for would delay the splash itself, so it is set for the windows that
    // follow.
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(QIcon(Resources::picture(QStringLiteral("surveyor"))));
    WindowRegistry::show<Form9>();
    close();
}

} // namespace velmora::ui
