// A drop-down list of colours: the sixteen fixed colours, the named system
// colours and a custom colour chosen in the colour dialog. It reports the
// colour value as the settings store keeps it (a system colour keeps its
// index, so it follows the desktop's palette).
#pragma once

#include "editor/EditorTypes.h"

#include <QComboBox>

namespace mojiro {

class TColorComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TColorComboBox(QWidget* parent = nullptr);

    [[nodiscard]] TColor Value() const;
    // Selects the colour, adding it as the custom colour when it has no
    // entry. Does not raise ColorChanged.
    void SetValue(TColor color);

signals:
    // The user chose a colour.
    void ColorChanged(TColor color);

private:
    void Chosen(int index);
    void AddColor(const QString& caption, TColor color);
    [[nodiscard]] int CustomIndex() const;

    TColor shown_ = 0;
};

} // namespace mojiro
