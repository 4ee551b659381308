// The task bar of Windows, seen through the Windows API: the dialog-framed windows have no button
// of their own there, the main menu has one.
#include "support/UiTest.h"

#include "ui/services/WindowRegistry.h"
#include "ui/shell/Form9.h"
#include "ui/shell/arxeio.h"
#include "ui/shell/error_trig.h"
#include "ui/shell/help.h"
#include "ui/shell/palaia.h"
#include "ui/study/stoixeia.h"
#include "ui/works/Form2.h"
#include "ui/works/form5.h"

#include <QTest>

#include <functional>

#include <windows.h>

namespace velmora::test {
namespace {

using ui::WindowRegistry;

class TaskBarWmTest : public UiTest {
protected:
    // Windows gives a top-level window a task-bar button unless it has an owner or is a tool
    // window, and WS_EX_APPWINDOW brings the button back.
    static bool hasTaskBarButton(QWidget* window) {
        const auto handle = reinterpret_cast<HWND>(window->window()->winId());
        const LONG_PTR style = GetWindowLongPtrW(handle, GWL_EXSTYLE);
        if (style & WS_EX_APPWINDOW) return true;
        if (style & WS_EX_TOOLWINDOW) return false;
        return GetWindow(handle, GW_OWNER) == nullptr;
    }
};

TEST_F(TaskBarWmTest, DialogFramedWindowsHaveNoButtonAndTheMenuHasOne) {
    copyFiles(data("golden/short"), makeStudy("ΓιώργοςΠαπαδόπουλος", {}));
    auto* menu = WindowRegistry::show<ui::Form9>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu, 30000));
    EXPECT_TRUE(hasTaskBarButton(menu));

    const std::pair<const char*, std::function<QWidget*()>> dialogs[] = {
        {"stoixeia", [] { return WindowRegistry::show<ui::stoixeia>(); }},
        {"form5", [] { return WindowRegistry::show<ui::form5>(); }},
        {"Form2", [] { return WindowRegistry::show<ui::Form2>(); }},
        {"palaia", [] { return WindowRegistry::show<ui::palaia>(); }},
        {"arxeio", [] { return WindowRegistry::show<ui::arxeio>(); }},
        {"error_trig", [] { return WindowRegistry::show<ui::error_trig>(); }},
        {"help", [] { return WindowRegistry::show<ui::help>(); }},
    };
    for (const auto& [name, open] : dialogs) {
        SCOPED_TRACE(name);
        QWidget* window = open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window, 30000));
        EXPECT_FALSE(hasTaskBarButton(window));
        window->close();
        settle();
    }
}

} // namespace
} // namespace velmora::test
