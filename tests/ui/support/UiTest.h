#pragma once

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TestFiles.h"
#include "ui/services/Dialogs.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QPrintDialog;
class QPrintPreviewDialog;
class QWidget;

namespace velmora::test {

// Answers the program's dialogs: records every message, and confirms or cancels the print dialog.
class FakeDialogs : public ui::Dialogs::Handler {
public:
    void message(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& text, const QString& yes, const QString& no) override;
    bool print(QPrintDialog& dialog) override;
    void preview(QPrintPreviewDialog& dialog) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& proposed,
                     const QString& filter) override;

    QStringList messages;
    // Every question asked, answered with `answer`.
    QStringList questions;
    bool answer = false;
    bool confirmPrint = true;
    int printDialogs = 0;
    // Runs inside the print dialog, before it is answered: a test can look at its options or
    // point its printer at a PDF file.
    std::function<void(QPrintDialog&)> onPrint;
    int previews = 0;
    // The paths proposed by save dialogs; each is answered with `saveAs` (empty: cancelled).
    QStringList proposedFiles;
    QString saveAs;
};

// A fixture for window tests: a fresh installation folder in VELMORA_HOME and a fresh settings
// store for each test, dialogs answered by the test, and every window closed afterwards. The file
// helpers of every test program come with it.
class UiTest : public ::testing::Test, protected testing::TestFiles {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::filesystem::path& home() const { return home_.path(); }

    // A study folder of the installation folder, holding the given files, made the current study.
    std::filesystem::path makeStudy(const std::string& folderName,
                                    const std::map<std::string, std::vector<std::string>>& files) {
        return TestFiles::makeStudy(home(), folderName, files);
    }

    // Types text into the focused-or-given widget key by key, as a user would, Greek included.
    static void type(QWidget* widget, const QString& text);

    // Numbers as the user's regional settings show them: each decimal comma of `text` (a comma
    // before a digit) becomes the regional separator.
    static std::string regional(std::string text);
    static QString regional(const QString& text);
    // The fixture folder of the full study's report sections under the regional separator.
    static std::string fullSections();

    // Lets posted events (deferred deletes, timers already due) run.
    static void settle();

    FakeDialogs dialogs;

private:
    testing::TempFolder home_;
};

} // namespace velmora::test
