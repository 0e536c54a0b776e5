#include "QtTestApp.h"
#include "widgets/ClipboardWatcher.h"

#include <QApplication>
#include <QClipboard>
#include <gtest/gtest.h>

namespace mojiro {
namespace {

TEST(ClipboardWatcher, ListensOnlyWhileEnabledWithAHandler) {
    TClipboardWatcher watcher;
    int changes = 0;
    EXPECT_FALSE(watcher.Joined());
    watcher.SetOnChange([&changes](TClipboardWatcher*) { ++changes; });
    EXPECT_TRUE(watcher.Joined());
    QGuiApplication::clipboard()->setText(QStringLiteral("one"));
    EXPECT_EQ(1, changes);

    watcher.SetEnabled(false);
    QGuiApplication::clipboard()->setText(QStringLiteral("two"));
    EXPECT_EQ(1, changes);
    watcher.SetEnabled(true);
    watcher.SetOnChange(nullptr);
    EXPECT_FALSE(watcher.Joined());
}

} // namespace
} // namespace mojiro
