// The report shell: holds the report windows, prints the active one and keeps its placement.
#include "ui/report/frmMain.h"

#include "print/ReportPrinter.h"
#include "store/base/TextPath.h"
#include "store/files/FileName.h"
#include "store/study/Study.h"
#include "store/text/NumberText.h"
#include "ui/report/Calculation.h"
#include "ui/report/PrinterChoice.h"
#include "ui/report/frmDocument.h"
#include "ui/services/Dialogs.h"
#include "ui/services/Regional.h"
#include "ui/services/Resources.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowKeys.h"
#include "ui/services/WindowRegistry.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace velmora::ui {
namespace {

struct Setting {
    const char* key;
    int fallback;
};
constexpr Setting kLeft{"MainLeft", 1000};
constexpr Setting kTop{"MainTop", 1000};
constexpr Setting kWidth{"MainWidth", 6500};
constexpr Setting kHeight{"MainHeight", 6500};

QString section() {
    return QStringLiteral("Settings");
}

// A stored value that is not a number, or an empty one, falls back to the default rather than
// putting the shell somewhere unusable.
int readTwips(QSettings& settings, const Setting& setting) {
    const QVariant stored = settings.value(QString::fromLatin1(setting.key));
    if (!stored.isValid()) return setting.fallback;
    std::string text = stored.toString().trimmed().toStdString();
    if (text.empty()) return setting.fallback;
    std::replace(text.begin(), text.end(), Regional::decimalSeparator(), '.');
    const auto number = store::NumberText::parse(text);
    const auto single = number ? store::NumberText::toSingle(*number) : std::nullopt;
    if (!single || !std::isfinite(*single)) return setting.fallback;
    constexpr float kLimit = 1e7f;
    return static_cast<int>(std::lround(std::clamp(*single, -kLimit, kLimit)));
}

void writeTwips(QSettings& settings, const Setting& setting, int pixels) {
    const float twips = static_cast<float>(Twips::fromPixels(pixels));
    settings.setValue(QString::fromLatin1(setting.key),
                      QString::fromStdString(store::NumberText::general(
                          twips, store::NumberText::kSingleDigits, Regional::decimalSeparator())));
}

// How far each new report window sits from the previous one, so that every caption shows.
constexpr int kCascade = 24;

// A toolbar button of the shell's own size, telling its key through its data.
QAction* addButton(QToolBar* bar, const char* name, const QString& icon, const QString& caption) {
    QAction* action = bar->addAction(QIcon(Resources::picture(icon)), caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setData(QString::fromLatin1(name));
    if (QWidget* button = bar->widgetForAction(action))
        button->setFixedSize(Twips::size(2090, 582));
    return action;
}

QMargins marginsBetween(const QRect& outer, const QRect& inner) {
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

} // namespace

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Velmora Τοπογραφικού Διαγραμμάτων"));
    setContextMenuPolicy(Qt::PreventContextMenu);
    resize(Twips::size(15240, 8565));

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea);

    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Qt::TopToolBarArea, tbToolBar);
    Print = addButton(tbToolBar, "Print", QStringLiteral("print"), QStringLiteral("ΕΚΤΥΠΩΣΗ"));
    Preview =
        addButton(tbToolBar, "Preview", QStringLiteral("preview"), QStringLiteral("Προεπισκόπηση"));
    Pdf = addButton(tbToolBar, "Pdf", QStringLiteral("pdf"), QStringLiteral("Αποθήκευση PDF"));
    connect(tbToolBar, &QToolBar::actionTriggered, this, &frmMain::tbToolBar_ButtonClick);

    // Placed by hand rather than laid out, so it stays at its place from the toolbar's left
    // edge and shows only while the shell is wide enough.
    Command1 = new QPushButton(QStringLiteral("Έξοδος"), tbToolBar);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::rect(13560, 0, 1455, 375));
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    WindowKeys::enterPresses(this, nullptr);

    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(true);
    setStatusBar(sbStatusBar);
    const int panelWidth = Twips::toPixels(1440);
    auto* status = new QLabel(QStringLiteral("Status"));
    status->setMinimumWidth(panelWidth);
    datePanel = new QLabel;
    datePanel->setMinimumWidth(panelWidth);
    timePanel = new QLabel;
    timePanel->setMinimumWidth(panelWidth);
    for (QLabel* panel : {status, datePanel, timePanel})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sbStatusBar->addWidget(status, 1);
    sbStatusBar->addPermanentWidget(datePanel);
    sbStatusBar->addPermanentWidget(timePanel);
    updateClock();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &frmMain::updateClock);
    clock->start(1000);

    MDIForm_Load();
}

void frmMain::MDIForm_Load() {
    restorePlacement();
    // The report's lines are wide: the shell opens filling the screen, and the stored placement
    // is where it goes when the user restores it.
    setWindowState(windowState() | Qt::WindowMaximized);
    // The workspace takes its size now, so that report windows are sized from it.
    layout()->activate();
    if (counter == std::numeric_limits<int>::max()) return;
    ++counter;
    openDocument(QStringLiteral("Document ") + QString::number(counter));
}

void frmMain::restorePlacement() {
    QSettings settings;
    settings.beginGroup(section());
    const int left = readTwips(settings, kLeft);
    const int top = readTwips(settings, kTop);
    const int width = readTwips(settings, kWidth);
    const int height = readTwips(settings, kHeight);
    storedOuter = QRect(Twips::point(left, top), Twips::size(width, height));
    // Until a frame is known the outer size is the window's own; without a frame that is right.
    move(storedOuter.topLeft());
    resize(storedOuter.size());
}

bool frmMain::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        fitFrame();
        break;
    default:
        break;
    }
    return handled;
}

void frmMain::fitFrame() {
    if (!isVisible() ||
        (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QMargins frame = marginsBetween(frameGeometry(), geometry());
    // On X11 the window manager frames the window only after it is shown; the stored outer
    // edges are given back then, once, so that the frame is not added to them at every start.
    if (!framePending || frame.isNull()) return;
    framePending = false;
    setGeometry(storedOuter.marginsRemoved(frame));
}

void frmMain::closeEvent(QCloseEvent* event) {
    MDIForm_Unload();
    QMainWindow::closeEvent(event);
}

void frmMain::MDIForm_Unload() {
    if (isMinimized()) return;
    savePlacement();
}

void frmMain::savePlacement() {
    // A maximised shell stores the bounds it has while maximised: restored at the next start, it
    // is as large as the user left it.
    const QRect frame = frameGeometry();
    QSettings settings;
    settings.beginGroup(section());
    writeTwips(settings, kLeft, frame.x());
    writeTwips(settings, kTop, frame.y());
    writeTwips(settings, kWidth, frame.width());
    writeTwips(settings, kHeight, frame.height());
}

void frmMain::updateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    datePanel->setText(locale.toString(now.date(), QLocale::ShortFormat));
    timePanel->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

void frmMain::place(QMdiSubWindow* window, int index) {
    const int offset = kCascade * (index % 4);
    // The workspace's scroll area lays its viewport out only once shown; its own inner size is
    // known as soon as the shell is laid out.
    const QSize area = mdiArea->contentsRect().size() * 3 / 4;
    window->resize(area.expandedTo(Twips::size(4500, 3000)));
    window->move(offset, offset);
}

frmDocument* frmMain::openDocument(const QString& caption) {
    auto* document = new frmDocument(caption);
    QMdiSubWindow* window = mdiArea->addSubWindow(document);
    window->setAttribute(Qt::WA_DeleteOnClose);

    place(window, static_cast<int>(mdiArea->subWindowList().size()) - 1);
    // Report lines are wide: a report window fills the workspace, and follows it as the shell is
    // resized, until the user restores it to its own size.
    window->showMaximized();
    mdiArea->setActiveSubWindow(window);
    return document;
}

void frmMain::reloadDocuments(frmDocument::Reload which) {
    for (QMdiSubWindow* window : mdiArea->subWindowList())
        if (auto* document = qobject_cast<frmDocument*>(window->widget())) document->reload(which);
}

frmDocument* frmMain::showPrincipal() {
    const bool wasOpen = WindowRegistry::find<frmMain>() != nullptr;
    frmMain* shell = WindowRegistry::show<frmMain>();
    if (wasOpen) shell->reloadDocuments(frmDocument::Reload::Current);
    if (frmDocument* open = shell->principal) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(open->parentWidget())) {
            if (window->isMinimized()) window->showNormal();
            shell->mdiArea->setActiveSubWindow(window);
        }
    } else {
        shell->principal = shell->openDocument(QStringLiteral("Velmora"));
    }
    if (!shell->principal->problem().isEmpty())
        Dialogs::message(shell->principal, shell->principal->problem());
    return shell->principal;
}

frmDocument* frmMain::activeDocument() const {
    QMdiSubWindow* window = mdiArea->currentSubWindow();
    return window ? qobject_cast<frmDocument*>(window->widget()) : nullptr;
}

void frmMain::tbToolBar_ButtonClick(QAction* button) {
    if (button == nullptr) return;
    frmDocument* document = activeDocument();
    if (document == nullptr) return;
    // What goes to paper or PDF is the report as the study stands, or the user chose otherwise.
    // Each window keeps showing its own study, so that the one printed is the one asked about.
    if (!document->study().empty() &&
        Calculation::offerWhenStale(this, store::Study(document->study())))
        reloadDocuments(frmDocument::Reload::Same);
    const QString key = button->data().toString();
    if (key == QStringLiteral("Print"))
        PrinterChoice::printBox(*document->rtfText, this);
    else if (key == QStringLiteral("Preview"))
        PrinterChoice::previewBox(*document->rtfText, this);
    else if (key == QStringLiteral("Pdf"))
        savePdf(*document);
}

QString frmMain::pdfFileName(const std::filesystem::path& study, const QDate& date) {
    QString owner;
    if (auto details = store::Study(study).details())
        for (const std::string& name : {details->ownerFirstName, details->ownerSurname})
            owner += QString::fromStdString(name).simplified() + QLatin1Char(' ');
    // Characters that a file name cannot hold on Windows become blanks.
    for (QChar& c : owner)
        if (store::FileName::refusedOnWindows(c.unicode())) c = QLatin1Char(' ');
    owner = owner.simplified();
    if (owner.isEmpty()) owner = QStringLiteral("Αμοιβή");
    return owner + QLatin1Char(' ') + date.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".pdf");
}

void frmMain::savePdf(const frmDocument& document) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString proposed =
        QDir(folder).filePath(pdfFileName(document.study(), QDate::currentDate()));
    const QString chosen = Dialogs::saveFile(this, QStringLiteral("Αποθήκευση PDF"), proposed,
                                             QStringLiteral("Αρχεία PDF (*.pdf)"));
    if (chosen.isEmpty()) return;
    const store::Status written = print::ReportPrinter::writePdf(
        document.rtfText->toPlainText(), store::TextPath::fromUtf8(chosen.toStdString()));
    if (!written) Dialogs::failure(this, written.error());
}

void frmMain::Command1_Click() {
    close();
}

} // namespace velmora::ui
