#pragma once

#include <QObject>

#include <vector>

class QTabBar;
class QWidget;

namespace velmora::ui {

// Ctrl+Tab or Ctrl+PgDn anywhere in a window selects the next tab of its tab strip, the first
// after the last; Ctrl+PgUp the one before. The window sees the key before whichever control has
// the focus. However a tab is chosen, by key or by mouse, the cursor goes to the first box of its
// page, so that what is typed next lands there.
class TabCycler : public QObject {
    Q_OBJECT
public:
    // `pages` holds the page of each tab, in tab order.
    static void install(QWidget* window, QTabBar* tabs, std::vector<QWidget*> pages);

    // The first control of `page` that the Tab key would reach; nullptr when it has none.
    static QWidget* firstBox(QWidget* page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TabCycler(QWidget* window, QTabBar* tabs, std::vector<QWidget*> pages);
    void focusPage(int index);

    QWidget* window_;
    QTabBar* tabs_;
    std::vector<QWidget*> pages_;
};

} // namespace velmora::ui
