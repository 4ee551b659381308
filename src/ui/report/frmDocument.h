// The report window: the fee report of the current study as plain text, inside the report shell.
#pragma once

#include <QString>
#include <QWidget>

#include <filesystem>

class QTextEdit;

namespace velmora::ui {

class frmDocument : public QWidget {
    Q_OBJECT
public:
    // Loads the report of the study that is current now.
    explicit frmDocument(const QString& caption, QWidget* parent = nullptr);

    // Which study a report window loads its report again from.
    enum class Reload {
        // The study current now, as when the window opened.
        Current,
        // The study it shows; a window that shows none takes the current one.
        Same,
    };
    // Loads the report again from the sections as they are now.
    void reload(Reload which);

    QTextEdit* rtfText;

    // Why the report is incomplete or empty (no current study, sections never computed), in
    // Greek; empty for a whole report.
    const QString& problem() const { return problem_; }

    // The study whose report the window shows; empty when there was no current study.
    const std::filesystem::path& study() const { return study_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Loads the report of `study`, or of the current study when none is given.
    void Form_Load(std::filesystem::path study = {});
    void Form_Resize();

    QString problem_;
    std::filesystem::path study_;
};

} // namespace velmora::ui
