#include "support/UiTest.h"

#include "store/Installation.h"
#include "store/TextPath.h"
#include "store/ValueFile.h"
#include "ui/services/Regional.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSettings>
#include <QWidget>

#include <fstream>
#include <iterator>
#include <random>

namespace velmora::test {

void FakeDialogs::message(QWidget*, const QString& text) {
    messages << text;
}

bool FakeDialogs::print(QPrintDialog& dialog) {
    ++printDialogs;
    if (onPrint) onPrint(dialog);
    return confirmPrint;
}

void FakeDialogs::preview(QPrintPreviewDialog&) {
    ++previews;
}

QString FakeDialogs::saveFile(QWidget*, const QString&, const QString& proposed, const QString&) {
    proposedFiles << proposed;
    return saveAs;
}

void UiTest::SetUp() {
    std::random_device random;
    home_ = std::filesystem::temp_directory_path() /
            ("velmora-ui-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(home_);
    qputenv("VELMORA_HOME", QByteArray::fromStdString(store::TextPath::toUtf8(home_)));
    const QString settings = QString::fromStdString(store::TextPath::toUtf8(home_ / "settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    ASSERT_TRUE(store::Installation::prepare(home_).ok());
    ui::Dialogs::setHandler(&dialogs);
}

void UiTest::TearDown() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    settle();
    for (QWidget* window : QApplication::topLevelWidgets())
        delete window;
    settle();
    ui::Dialogs::setHandler(nullptr);
    ui::Regional::overrideSeparator(std::nullopt);
    std::error_code ignored;
    std::filesystem::remove_all(home_, ignored);
}

std::filesystem::path
UiTest::makeStudy(const std::string& folderName,
                  const std::map<std::string, std::vector<std::string>>& files) {
    std::filesystem::path study = home_ / store::TextPath::fromUtf8(folderName);
    std::filesystem::create_directories(study);
    for (const auto& [name, lines] : files)
        EXPECT_TRUE(store::ValueFile::writeLines(study, name, lines).ok()) << name;
    EXPECT_TRUE(store::Installation::setCurrentStudy(home_, study).ok());
    return study;
}

std::string UiTest::bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string UiTest::text(const std::filesystem::path& file) {
    auto lines =
        store::ValueFile::readLines(file.parent_path(), store::TextPath::toUtf8(file.filename()));
    std::string joined;
    if (!lines) return joined;
    for (const std::string& line : *lines)
        joined += line + "\r\n";
    return joined;
}

void UiTest::type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

std::string UiTest::regional(std::string text) {
    const char separator = ui::Regional::decimalSeparator();
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == ',' && text[i + 1] >= '0' && text[i + 1] <= '9') text[i] = separator;
    return text;
}

QString UiTest::regional(const QString& text) {
    return QString::fromStdString(regional(text.toStdString()));
}

std::string UiTest::fullSections() {
    return ui::Regional::decimalSeparator() == ',' ? "golden/full-comma" : "golden/full-point";
}

void UiTest::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace velmora::test
