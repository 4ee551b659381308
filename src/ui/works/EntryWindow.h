#pragma once

#include "store/Study.h"
#include "ui/works/QuantityBoxes.h"

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace velmora::ui {

// What the small work entry windows share: a caption, labelled quantity boxes that open empty,
// notes, and one "Υποβολή" button that stores the quantities and closes the window. The window
// has no control box; its button is the way out.
class EntryWindow : public QWidget {
    Q_OBJECT
public:
    const std::vector<QuantityField>& fields() const { return fields_; }

protected:
    EntryWindow(const char* name, const QString& caption, QWidget* parent);

    // A label that carries no quantity: a title, a hint or a note.
    QLabel* addLabel(const char* name, const QString& text, bool title = false);
    // A labelled quantity box.
    QLineEdit* addField(const char* labelName, const QString& labelText, const char* boxName,
                        QLabel** label = nullptr);
    // The submit button, last in the window; then the frame in twips.
    QPushButton* finish(const char* buttonName, int widthTwips, int heightTwips);

    // Stores what was typed; true when the window may close.
    virtual bool submit() = 0;

    // The usual store: each box as the text typed, as the quantities of `work`.
    bool storeAsTyped(store::Work work);

private:
    QVBoxLayout* layout_;
    std::vector<QuantityField> fields_;
};

} // namespace velmora::ui
