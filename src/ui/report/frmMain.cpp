// The report shell: holds the report windows, prints the active one and keeps its placement.
#include "ui/report/frmMain.h"

#include "store/NumberText.h"
#include "ui/report/ReportPrinter.h"
#include "ui/report/frmDocument.h"
#include "ui/services/Dialogs.h"
#include "ui/services/Regional.h"
#include "ui/services/Resources.h"
#include "ui/services/Twips.h"
#include "ui/services/WindowRegistry.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
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
    Print = tbToolBar->addAction(QIcon(Resources::path(QStringLiteral("print.svg"))),
                                 QStringLiteral("ΕΚΤΥΠΩΣΗ"));
    Print->setObjectName(QStringLiteral("Print"));
    Print->setData(QStringLiteral("Print"));
    if (QWidget* button = tbToolBar->widgetForAction(Print))
        button->setFixedSize(Twips::size(2090, 582));
    connect(tbToolBar, &QToolBar::actionTriggered, this, &frmMain::tbToolBar_ButtonClick);

    // Placed by hand rather than laid out, so it stays at its place from the toolbar's left
    // edge and shows only while the shell is wide enough.
    Command1 = new QPushButton(QStringLiteral("Έξοδος"), tbToolBar);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::rect(13560, 0, 1455, 375));
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);

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
    outerSize = Twips::size(width, height);
    move(Twips::point(left, top));
    resize(outerSize);
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed) return;
    placed = true;
    // The stored size includes the frame, which is known only once the window exists.
    const QSize frame = frameGeometry().size() - size();
    if (frame != QSize(0, 0)) resize(outerSize - frame);
    // The windows opened while loading were placed before the workspace had its size.
    layout()->activate();
    const QList<QMdiSubWindow*> windows = mdiArea->subWindowList();
    for (int index = 0; index < windows.size(); ++index)
        place(windows[index], index);
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
    const QSize area = mdiArea->viewport()->size();
    window->resize(
        QSize(area.width() - offset, area.height() - offset).expandedTo(Twips::size(4500, 3000)));
    window->move(offset, offset);
}

frmDocument* frmMain::openDocument(const QString& caption) {
    auto* document = new frmDocument(caption);
    QMdiSubWindow* window = mdiArea->addSubWindow(document);
    window->setAttribute(Qt::WA_DeleteOnClose);

    place(window, static_cast<int>(mdiArea->subWindowList().size()) - 1);
    window->show();
    mdiArea->setActiveSubWindow(window);
    return document;
}

frmDocument* frmMain::showPrincipal() {
    frmMain* shell = WindowRegistry::show<frmMain>();
    if (frmDocument* open = shell->principal) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(open->parentWidget())) {
            if (window->isMinimized()) window->showNormal();
            shell->mdiArea->setActiveSubWindow(window);
        }
        return open;
    }
    shell->principal = shell->openDocument(QStringLiteral("Velmora"));
    if (!shell->principal->problem().isEmpty())
        Dialogs::message(shell->principal, shell->principal->problem());
    return shell->principal;
}

frmDocument* frmMain::activeDocument() const {
    QMdiSubWindow* window = mdiArea->currentSubWindow();
    return window ? qobject_cast<frmDocument*>(window->widget()) : nullptr;
}

void frmMain::tbToolBar_ButtonClick(QAction* button) {
    if (button == nullptr || button->data().toString() != QStringLiteral("Print")) return;
    frmDocument* document = activeDocument();
    if (document == nullptr) return;
    ReportPrinter::printBox(*document->rtfText, this);
}

void frmMain::Command1_Click() {
    close();
}

} // namespace velmora::ui
