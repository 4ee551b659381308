// The report shell: holds the report windows, prints the active one and keeps its placement.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QStatusBar;
class QToolBar;

namespace velmora::ui {

class frmDocument;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Takes its placement from the settings and opens the next numbered report window.
    frmMain();

    // Shows the principal report window "Velmora", opening the shell first when it is closed.
    // While the principal window is open it is only brought to the front, with the text it
    // loaded; a problem with the report is shown once, over the window that was opened.
    static frmDocument* showPrincipal();

    // The report window that printing acts on; nullptr when none is open.
    frmDocument* activeDocument() const;

    // How many numbered report windows the shell has opened since the program started.
    static int documentCounter() { return counter; }

    QMdiArea* mdiArea;
    QToolBar* tbToolBar;
    QAction* Print;
    QPushButton* Command1;
    QStatusBar* sbStatusBar;

public slots:
    void tbToolBar_ButtonClick(QAction* button);
    void Command1_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void MDIForm_Load();
    void MDIForm_Unload();
    void restorePlacement();
    void savePlacement();
    void updateClock();
    frmDocument* openDocument(const QString& caption);
    // Fills the workspace with a report window, each one a step further in than the last.
    void place(QMdiSubWindow* window, int index);

    QLabel* datePanel;
    QLabel* timePanel;
    QPointer<frmDocument> principal;
    QSize outerSize;
    bool placed = false;

    static inline int counter = 0;
};

} // namespace velmora::ui
