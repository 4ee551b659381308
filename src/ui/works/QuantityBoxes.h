#pragma once

#include "store/study/Study.h"
#include "store/text/TypedQuantity.h"

#include <QString>

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace velmora::ui {

// One quantity box of an entry window and the name its field goes by in messages.
struct QuantityField {
    QLineEdit* box;
    QString name;
    // What the box showed of the stored item when the window opened.
    std::optional<store::TypedQuantity::Shown> shown = std::nullopt;
};

// How every entry window takes its quantities: each box must hold a quantity as the core reads
// typed quantities, or nothing; otherwise the wrong boxes are marked, a message names their
// fields and tells how to type them, and nothing is written.
class QuantityBoxes {
public:
    // The readings of the boxes in order; nothing, after marking and telling, when any box
    // does not hold a quantity.
    static std::optional<std::vector<store::TypedQuantity::Reading>>
    read(QWidget* window, const std::vector<QuantityField>& fields);

    // Shows in the boxes, in order, what the current study stores of `work`, and remembers it
    // so that a box left as shown keeps its item. Gives every item of the work as shown (a work
    // may keep more items than it has boxes); nothing without a current study, or when the
    // work's file cannot be read, which is told.
    static std::vector<store::TypedQuantity::Shown> showStored(QWidget* window, store::Work work,
                                                               std::vector<QuantityField>& fields);

    // The field name a label gives: its caption without the closing colon and blanks.
    static QString fieldName(const QLabel* label);

    // Marks a box as holding what cannot be taken, or clears the mark. Editing the box clears
    // it too.
    static void mark(QLineEdit* box, bool wrong);
    static bool isMarked(const QLineEdit* box);
};

} // namespace velmora::ui
