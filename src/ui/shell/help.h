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

    // The help text, every line ended by CR LF, with the support desk the program was built with.
    static QString text();
    // The help text naming the given support telephone and e-mail address (either may be empty).
    static QString text(const QString& phone, const QString& email);

    QPlainTextEdit* Text1;
    QPushButton* OKButton;
};

} // namespace velmora::ui
