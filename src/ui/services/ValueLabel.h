#pragma once

#include <QLabel>

namespace velmora::ui {

// A label that shows a value read from the study. It keeps the size it was laid out with; a text
// too long for it ends in "…" and shows whole in its tooltip, so nothing is cut unseen.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    explicit ValueLabel(QWidget* parent = nullptr);

    // Whether the text does not fit the label as it stands.
    bool isCut() const;

    // A value may be shortened to "…" rather than widen its window: it asks for its whole width
    // but needs only a little.
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora::ui
