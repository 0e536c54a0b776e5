// The program entry: the application object, the main window and the event
// loop until the window closes.
#include "app/LogoAppForm.h"
#include "platform/Cp932Codec.h"
#include "settings/SettingsError.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mojiro"));
    std::vector<std::string> files;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        files.push_back(argument.toUtf8().toStdString());
    }
    // A settings folder that cannot be created (or a store that refuses at
    // start-up) is reported in words, not by a crash.
    std::unique_ptr<mojiro::TLogoAppForm> window;
    try {
        window = std::make_unique<mojiro::TLogoAppForm>(files);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Mojiro"),
                              QString::fromLocal8Bit(error.what()));
        return 1;
    }
    window->show();
    // For the smoke test: close as the user would once the loop runs, which
    // goes through the whole closing sequence.
    if (const char* quit = std::getenv("MOJIRO_QUIT_AFTER_START");
        quit && std::string(quit) == "1") {
        QTimer::singleShot(0, window.get(), &QWidget::close);
    }
    return QApplication::exec();
}
