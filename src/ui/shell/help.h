// Help: a short text about the program and where to ask for support.
#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace velmora::ui {

class help : public QWidget {
    Q_OBJECT
public:
    explicit help(QWidget* parent = nullptr);

    // The help text, every line ended by CR LF.
    static QString text();

    QPlainTextEdit* Text1;
    QPushButton* OKButton;
};

} // namespace velmora::ui
