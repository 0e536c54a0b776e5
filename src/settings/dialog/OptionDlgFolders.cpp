// Page "ﾌｫﾙﾀﾞ": the favourite folders for opening (group 0) and for saving
// (group 1), ten at most each. One set of handlers serves both groups.
#include "settings/dialog/DialogSupport.h"
#include "settings/dialog/OptionDlg.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace mojiro {

using namespace option_dialog;

namespace {
constexpr int kMaxFolders = 10;
} // namespace

QWidget* TOptionDlg::BuildFolderPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(BuildFolderGroup(0, U("ﾀﾞｲﾚｸﾄに開くﾌｫﾙﾀﾞ")));
    layout->addWidget(BuildFolderGroup(1, U("ﾀﾞｲﾚｸﾄに保存するﾌｫﾙﾀﾞ")));
    return page;
}

QWidget* TOptionDlg::BuildFolderGroup(int g, const QString& title) {
    auto* box = new QGroupBox(title);
    auto* grid = new QGridLayout(box);
    FolderGroup& group = folders_[static_cast<std::size_t>(g)];
    const QString n = QString::number(g + 1);
    const auto button = [box, &n](const char* caption, const char* name) {
        auto* b = new QPushButton(U(caption), box);
        b->setObjectName(QString::fromLatin1(name) + n);
        return b;
    };
    group.edit = new QLineEdit(box);
    group.edit->setObjectName(QStringLiteral("DEdit") + n);
    group.list = new QListWidget(box);
    group.list->setObjectName(QStringLiteral("DLb") + n);
    group.browse = button("参照", "BrowseBt");
    group.add = button("新規", "DNewBt");
    group.change = button("更新", "DChangeBt");
    group.remove = button("削除", "DDelBt");
    group.up = button("一つ上へ", "DUpBt");
    group.down = button("一つ下へ", "DDownBt");

    grid->addWidget(group.edit, 0, 0);
    grid->addWidget(group.browse, 0, 1);
    grid->addWidget(group.list, 1, 0, 5, 1);
    grid->addWidget(group.add, 1, 1);
    grid->addWidget(group.change, 2, 1);
    grid->addWidget(group.remove, 3, 1);
    grid->addWidget(group.up, 4, 1);
    grid->addWidget(group.down, 5, 1);

    connect(group.edit, &QLineEdit::textChanged, this, [this, g] { UpdateFolderButtons(g); });
    connect(group.list, &QListWidget::itemClicked, this, [this, g] { DLbClick(g); });
    connect(group.list, &QListWidget::itemDoubleClicked, this, [this, g] { DLbClick(g); });
    connect(group.list, &QListWidget::currentRowChanged, this,
            [this, g] { UpdateFolderButtons(g); });
    connect(group.browse, &QPushButton::clicked, this, [this, g] { BrowseBtClick(g); });
    connect(group.add, &QPushButton::clicked, this, [this, g] { DNewBtClick(g); });
    connect(group.change, &QPushButton::clicked, this, [this, g] { DChangeBtClick(g); });
    connect(group.remove, &QPushButton::clicked, this, [this, g] { DDelBtClick(g); });
    connect(group.up, &QPushButton::clicked, this, [this, g] { DMove(g, -1); });
    connect(group.down, &QPushButton::clicked, this, [this, g] { DMove(g, 1); });
    return box;
}

void TOptionDlg::UpdateFolderButtons(int g) {
    const FolderGroup& group = folders_[static_cast<std::size_t>(g)];
    const int row = group.list->currentRow();
    const bool selected = row >= 0;
    const QString text = group.edit->text();
    group.add->setEnabled(group.list->count() < kMaxFolders && !text.isEmpty());
    group.change->setEnabled(selected && !text.isEmpty() && text != group.list->item(row)->text());
    group.remove->setEnabled(selected);
    group.up->setEnabled(row > 0);
    group.down->setEnabled(selected && row < group.list->count() - 1);
}

void TOptionDlg::DLbClick(int g) {
    const FolderGroup& group = folders_[static_cast<std::size_t>(g)];
    if (const QListWidgetItem* item = group.list->currentItem()) {
        group.edit->setText(item->text());
    }
    UpdateFolderButtons(g);
}

void TOptionDlg::BrowseBtClick(int g) {
    const FolderGroup& group = folders_[static_cast<std::size_t>(g)];
    const QString folder =
        QFileDialog::getExistingDirectory(this, U("ﾌｫﾙﾀﾞの選択"), group.edit->text());
    if (!folder.isEmpty()) {
        group.edit->setText(folder);
    }
}

void TOptionDlg::DNewBtClick(int g) {
    const FolderGroup& group = folders_[static_cast<std::size_t>(g)];
    const QString text = group.edit->text();
    if (group.list->count() >= kMaxFolders || text.isEmpty()) {
        return;
    }
    const int row = group.list->currentRow();
    group.list->insertItem(row >= 0 ? row : group.list->count(), text);
    UpdateFolderButtons(g);
}

void TOptionDlg::DChangeBtClick(int g) {
    const FolderGroup& group = folders_[static_cast<std::size_t>(g)];
    if (QListWidgetItem* item = group.list->currentItem()) {
        item->setText(group.edit->text());
    }
    UpdateFolderButtons(g);
}

void TOptionDlg::DDelBtClick(int g) {
    const FolderGroup& group = folders_[static_cast<std::size_t>(g)];
    const int row = group.list->currentRow();
    if (row >= 0) {
        delete group.list->takeItem(row);
    }
    UpdateFolderButtons(g);
}

void TOptionDlg::DMove(int g, int by) {
    const FolderGroup& group = folders_[static_cast<std::size_t>(g)];
    const int row = group.list->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= group.list->count()) {
        return;
    }
    QListWidgetItem* item = group.list->takeItem(row);
    group.list->insertItem(to, item);
    group.list->setCurrentRow(to);
    UpdateFolderButtons(g);
}

} // namespace mojiro
