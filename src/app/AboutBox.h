// TAboutBox: the version box of the Help menu.
#pragma once

#include <QDialog>

namespace mojiro {

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

} // namespace mojiro
