// A main window started as by a new user: no settings file (the store lives
// in a folder of the test's own), on the offscreen platform.
#pragma once

#include "FileTestSupport.h"
#include "app/LogoAppForm.h"
#include "app/UiText.h"
#include "settings/SettingsTable.h"

#include <QApplication>
#include <QKeyEvent>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace mojiro {

using test::TempFolder;

inline void EnsureApplication() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
    (void)app;
}

inline void Press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &release);
}

// Each test starts as a new user with no settings file.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        if (const char* before = std::getenv("XDG_CONFIG_HOME")) {
            configBefore_ = before;
        }
        setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
        EnsureApplication();
    }
    ~MainWindowTest() override {
        if (configBefore_) {
            setenv("XDG_CONFIG_HOME", configBefore_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
    }

    std::unique_ptr<TLogoAppForm> Start(const std::vector<std::string>& files = {}) {
        auto window = std::make_unique<TLogoAppForm>(files);
        window->show();
        return window;
    }

    [[nodiscard]] std::string Stored(std::string_view section, std::string_view name) const {
        SettingsStore store(DefaultSettingsPath());
        store.Open();
        return store.ReadString(section, name, "<absent>");
    }

    TempFolder folder_;
    std::optional<std::string> configBefore_;
};

} // namespace mojiro
