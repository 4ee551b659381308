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

    // Loads the report again, as when the window opened: the study current now, its sections as
    // they are now.
    void reload() { Form_Load(); }

    QTextEdit* rtfText;

    // Why the report is incomplete or empty (no current study, sections never computed), in
    // Greek; empty for a whole report.
    const QString& problem() const { return problem_; }

    // The study whose report the window shows; empty when there was no current study.
    const std::filesystem::path& study() const { return study_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();

    QString problem_;
    std::filesystem::path study_;
};

} // namespace velmora::ui
