// Every widget test program shares one QApplication, created before the first test and
// destroyed after the last, and a few helpers to put a view on screen.
#pragma once

#include <QApplication>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace mojiro::test {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // Headless also when the binary is started by hand; CTest sets the same.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[32] = "mojiro_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

inline ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

// Delivers every pending event, paints included.
inline void FlushEvents() {
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

// Shows the widget as the active window with the keyboard focus.
inline bool ShowFocused(QWidget& widget) {
    widget.show();
    widget.activateWindow();
    widget.setFocus();
    FlushEvents();
    return widget.hasFocus();
}

// Collects the regions a viewport paints.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* viewport) { viewport->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion painted;
};

} // namespace mojiro::test
