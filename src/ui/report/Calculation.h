#pragma once

class QWidget;

namespace velmora::store {
class Study;
}

namespace velmora::ui {

// "Υπολογισμοί" from wherever the user meets it: the main menu, or the question asked before a
// report older than its study is shown or printed.
class Calculation {
public:
    // Works the report of the study out again and tells, in one message over `parent`, what
    // could not be read or written and what does not add up.
    static void run(QWidget* parent, const store::Study& study);

    // When the study changed after its last calculation, says so over `parent` and offers to
    // calculate now; true when the calculation ran, so that what is shown is read again. A study
    // never calculated is left to the report's own message.
    static bool offerWhenStale(QWidget* parent, const store::Study& study);
};

} // namespace velmora::ui
