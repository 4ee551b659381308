#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

namespace velmora::ui {

// Enter presses a window's main button, as it does in a dialog. Only a plain window needs this:
// a dialog's default button works by itself. A control that uses the key (a button with the
// focus, an open list) keeps it.
class EnterKey : public QObject {
public:
    static void presses(QWidget* window, QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EnterKey(QWidget* window, QAbstractButton* button);

    QAbstractButton* button_;
};

} // namespace velmora::ui
