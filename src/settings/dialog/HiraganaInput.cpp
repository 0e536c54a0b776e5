#include "settings/dialog/HiraganaInput.h"

#include <QEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QWidget>

namespace mojiro {

namespace {

class HiraganaOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            QGuiApplication::inputMethod()->show();
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void StartInHiragana(QWidget* widget) {
    widget->installEventFilter(new HiraganaOnFocus(widget));
}

} // namespace mojiro
