// The program entry: the application object, the main window and the event
// loop until the window closes.
#include "app/LogoAppForm.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mojiro"));
    std::vector<std::string> files;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        files.push_back(argument.toUtf8().toStdString());
    }
    mojiro::TLogoAppForm window(files);
    window.show();
    // For the smoke test: close as the user would once the loop runs, which
    // goes through the whole closing sequence.
    if (const char* quit = std::getenv("MOJIRO_QUIT_AFTER_START");
        quit && std::string(quit) == "1") {
        QTimer::singleShot(0, &window, &QWidget::close);
    }
    return QApplication::exec();
}
