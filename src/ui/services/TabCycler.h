#pragma once

#include <QObject>

class QTabBar;
class QWidget;

namespace velmora::ui {

// Ctrl+Tab anywhere in a window selects the next tab of its tab strip, the first after the last.
// The window sees the key before whichever control has the focus.
class TabCycler : public QObject {
    Q_OBJECT
public:
    static void install(QWidget* window, QTabBar* tabs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TabCycler(QWidget* window, QTabBar* tabs);
    QWidget* window_;
    QTabBar* tabs_;
};

} // namespace velmora::ui
