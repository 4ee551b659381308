// Rights warning: the study's engineer has no right to triangulation work.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace velmora::ui {

class error_trig : public QWidget {
    Q_OBJECT
public:
    explicit error_trig(QWidget* parent = nullptr);

    // Why the specialty gives no right to triangulation, blanks and all.
    static QString reason();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* OKButton;
};

} // namespace velmora::ui
