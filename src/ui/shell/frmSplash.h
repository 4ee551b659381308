// The start-up window: the program's name and version until the user or a timer dismisses it.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace velmora::ui {

class Picture;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();

    QFrame* Frame1;
    Picture* imgLogo;
    QLabel* Label1;
    QLabel* lblCompanyProduct;
    QLabel* lblPlatform;
    QLabel* lblVersion;
    QLabel* lblWarning;
    QLabel* lblCopyright;
    QLabel* lblCompany;
    QTimer* Timer1;

public slots:
    void Timer1_Timer();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    // The three ways out all end here; only the first counts.
    void showMenu();

    bool dismissed = false;
};

} // namespace velmora::ui
