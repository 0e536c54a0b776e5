// A titled group of radio buttons with one chosen index, laid out in rows of
// a given number of columns. An item may carry further controls after its
// button (a spin box, an edit and a label in one line).
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QHBoxLayout;

namespace mojiro {

class TRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    TRadioGroup(const QString& title, const QStringList& items, int columns = 1,
                QWidget* parent = nullptr);

    // -1 when no item is chosen.
    [[nodiscard]] int ItemIndex() const;
    // Does not raise Clicked; -1 chooses none.
    void SetItemIndex(int index);
    [[nodiscard]] int Count() const;
    // The line of item i, for controls that follow its button.
    [[nodiscard]] QHBoxLayout* ItemLine(int i) const;
    [[nodiscard]] QAbstractButton* Button(int i) const;

signals:
    // The user chose an item.
    void Clicked(int index);

private:
    QButtonGroup buttons_;
    QList<QHBoxLayout*> lines_;
};

} // namespace mojiro
