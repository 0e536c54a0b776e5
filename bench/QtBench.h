// The widgets need an application: one headless application for the whole
// benchmark process. It is never destroyed, so that widgets kept in statics
// by a benchmark may go at exit in any order.
#pragma once

#include <QApplication>

namespace mojiro::bench {

inline void EnsureOffscreenApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "mojiro_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

} // namespace mojiro::bench
