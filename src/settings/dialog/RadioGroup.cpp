#include "settings/dialog/RadioGroup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>

namespace mojiro {

TRadioGroup::TRadioGroup(const QString& title, const QStringList& items, int columns,
                         QWidget* parent)
    : QGroupBox(title, parent) {
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_.addButton(button, i);
        auto* line = new QHBoxLayout;
        line->addWidget(button);
        grid->addLayout(line, i / columns, i % columns);
        lines_.append(line);
    }
    connect(&buttons_, &QButtonGroup::idClicked, this, &TRadioGroup::Clicked);
}

int TRadioGroup::ItemIndex() const {
    return buttons_.checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) {
        buttons_.button(index)->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its checked button.
    buttons_.setExclusive(false);
    for (QAbstractButton* button : buttons_.buttons()) {
        button->setChecked(false);
    }
    buttons_.setExclusive(true);
}

int TRadioGroup::Count() const {
    return static_cast<int>(lines_.size());
}

QHBoxLayout* TRadioGroup::ItemLine(int i) const {
    return lines_.at(i);
}

QAbstractButton* TRadioGroup::Button(int i) const {
    return buttons_.button(i);
}

} // namespace mojiro
