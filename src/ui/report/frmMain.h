// The report shell: holds the report windows, prints the active one and keeps its placement.
#pragma once

#include "ui/report/frmDocument.h"

#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QString>

#include <filesystem>

class QAction;
class QDate;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QStatusBar;
class QToolBar;

namespace velmora::ui {

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Takes its placement from the settings and opens the next numbered report window.
    frmMain();

    // Shows the principal report window "Velmora", opening the shell first when it is closed.
    // With the shell open, every report window in it loads its report again first, so that none
    // shows sections older than those on disk. A problem with the report is shown once, over
    // the principal window.
    static frmDocument* showPrincipal();

    // The report window that printing acts on; nullptr when none is open.
    frmDocument* activeDocument() const;

    // How many numbered report windows the shell has opened since the program started.
    static int documentCounter() { return counter; }

    // The file name proposed for the PDF of a study's report: the owner's name and the date.
    static QString pdfFileName(const std::filesystem::path& study, const QDate& date);

    QMdiArea* mdiArea;
    QToolBar* tbToolBar;
    QAction* Print;
    QAction* Preview;
    QAction* Pdf;
    QPushButton* Command1;
    QStatusBar* sbStatusBar;

public slots:
    void tbToolBar_ButtonClick(QAction* button);
    void Command1_Click();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void MDIForm_Load();
    void MDIForm_Unload();
    void restorePlacement();
    // Gives the stored outer size back once the window manager has framed the window.
    void fitFrame();
    void savePlacement();
    // Proposes the owner's name and the date as the file name, and writes the whole report.
    void savePdf(const frmDocument& document);
    void updateClock();
    frmDocument* openDocument(const QString& caption);
    // Every report window loads its report again.
    void reloadDocuments(frmDocument::Reload which);
    // The size a report window takes when the user restores it from filling the workspace,
    // each one a step further in than the last.
    void place(QMdiSubWindow* window, int index);

    QLabel* datePanel;
    QLabel* timePanel;
    QPointer<frmDocument> principal;
    // The outer edges as stored, until the frame is known and they are given back.
    QRect storedOuter;
    bool framePending = true;

    static inline int counter = 0;
};

} // namespace velmora::ui
