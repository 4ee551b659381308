#include "support/UiTest.h"

#include "store/base/TextPath.h"
#include "store/study/Installation.h"
#include "ui/services/Regional.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSettings>
#include <QWidget>

namespace velmora::test {

void FakeDialogs::message(QWidget*, const QString& text) {
    messages << text;
}

bool FakeDialogs::ask(QWidget*, const QString& text, const QString&, const QString&) {
    questions << text;
    return answer;
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
    qputenv("VELMORA_HOME", QByteArray::fromStdString(store::TextPath::toUtf8(home())));
    const QString settings = QString::fromStdString(store::TextPath::toUtf8(home() / "settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    ASSERT_TRUE(store::Installation::prepare(home()).ok());
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
