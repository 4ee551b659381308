// Read-only summary of the current study: its details, scale, λ, plan zone and every quantity.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace velmora::ui {

class Form13 : public QWidget {
    Q_OBJECT
public:
    explicit Form13(QWidget* parent = nullptr);

    // Reads the current study again, after its details were corrected or another was copied.
    void reload();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;

    QLabel* l;
    QLabel* klim;
    QLabel* ent;

    QLabel* onoma;
    QLabel* eponymo;
    QLabel* dnsh;
    QLabel* poli;
    QLabel* dimos;
    QLabel* dd;
    QLabel* uesi;
    QLabel* onm;
    QLabel* epm;
    QLabel* dnsm;
    QLabel* polim;
    QLabel* eidikot;

    QLabel* iii;
    QLabel* iv;
    QLabel* empr;
    QLabel* opi;
    QLabel* xoi;
    QLabel* q0;
    QLabel* q5;
    QLabel* q20;
    QLabel* q50;
    QLabel* q100;
    QLabel* hh;
    QLabel* polo;
    QLabel* ajj;
    QLabel* ot;
    QLabel* ae;
    QLabel* kma;
    // Its object name is the Greek "ΧΚ".
    QLabel* XK;
    QLabel* xilio;

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* cmdDiorthosi;
    QPushButton* cmdAntigrafi;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Command1_Click();
    void showLambdaChange();
    // Opens the details window to correct or copy the current study.
    void openDetails(bool copy);
    QLabel* value(const QString& name, int left, int top, int width, int height = 255,
                  Qt::Alignment alignment = Qt::AlignLeft);
    QLabel* caption(const QString& text, int left, int top, int width,
                    Qt::Alignment alignment = Qt::AlignLeft);
    // A caption and, to its right on the same line, the value it names.
    QLabel* row(const QString& text, int captionLeft, int captionWidth, const QString& name,
                int valueLeft, int top, int width);

    // Shown once the window is on the screen, so the user sees what it is about.
    QString problem_;
};

} // namespace velmora::ui
