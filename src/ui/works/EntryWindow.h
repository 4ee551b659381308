#pragma once

#include "store/study/Study.h"
#include "ui/works/QuantityBoxes.h"

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace velmora::ui {

// What the small work entry windows share: a caption, labelled quantity boxes that open with
// what the study stores, notes, and one "Υποβολή" button that stores the quantities and closes
// the window. Esc and the close box close it without writing.
class EntryWindow : public QWidget {
    Q_OBJECT
public:
    const std::vector<QuantityField>& fields() const { return fields_; }

protected:
    EntryWindow(const char* name, const QString& caption, store::Work work, QWidget* parent);

    // A label that carries no quantity: a title, a hint or a note.
    QLabel* addLabel(const char* name, const QString& text, bool title = false);
    // A labelled quantity box.
    QLineEdit* addField(const char* labelName, const QString& labelText, const char* boxName,
                        QLabel** label = nullptr);
    // A labelled quantity box with a label beside it.
    QLineEdit* addField(const char* labelName, const QString& labelText, const char* boxName,
                        QLabel** label, QLabel* beside);
    // The submit button, last in the window; then the frame in twips. The boxes show what the
    // study stores.
    QPushButton* finish(const char* buttonName, int widthTwips, int heightTwips);

    // Shows in the boxes what the study stores of the work.
    virtual void showStored();

    // Stores what was typed; true when the window may close.
    virtual bool submit() = 0;

    // The usual store: each box as the text typed, as the quantities of the work.
    bool storeAsTyped();

private:
    store::Work work_;
    QVBoxLayout* layout_;
    std::vector<QuantityField> fields_;
};

} // namespace velmora::ui
