#include "settings/dialog/ColorComboBox.h"

#include "editor/control/SystemColors.h"
#include "settings/ColorText.h"

#include <QColorDialog>
#include <QPixmap>

namespace mojiro {

namespace {

constexpr TColor kSystemColor = 0x80000000;
constexpr int kFixedColorCount = 16;
// Item data of the entry that opens the colour dialog; no colour has it.
constexpr qlonglong kChooseEntry = -1;

struct SystemColorCaption {
    const char* caption; // UTF-8
    int index;
};

// In the order the reporters know from the earlier versions.
constexpr SystemColorCaption kSystemCaptions[] = {
    {"ｳｨﾝﾄﾞｳのﾌｫﾝﾄ色", 8},
    {"ｳｨﾝﾄﾞｳ色", 5},
    {"ｳｨﾝﾄﾞｳの枠色", 6},
    {"選択文字の背景色", 13},
    {"選択文字色", 14},
    {"ｱﾌﾞﾘｹｰｼｮﾝ作業域色", 12},
    {"ﾃﾞｽｸﾄｯﾌﾟ色", 1},
    {"ｱｸﾃｨﾌﾞﾀｲﾄﾙﾊﾞｰのﾌｫﾝﾄ色", 9},
    {"ｱｸﾃｨﾌﾞﾀｲﾄﾙﾊﾞｰ色", 2},
    {"ｱｸﾃｨﾌﾞｳｨﾝﾄﾞｳの境界色", 10},
    {"非ｱｸﾃｨﾌﾞｳｨﾝﾄﾞｳのﾀｲﾄﾙﾊﾞｰのﾌｫﾝﾄ色", 19},
    {"非ｱｸﾃｨﾌﾞｳｨﾝﾄﾞｳのﾀｲﾄﾙﾊﾞｰ色", 3},
    {"非ｱｸﾃｨﾌﾞｳｨﾝﾄﾞｳの境界色", 11},
    {"ﾎﾞﾀﾝのﾌｫﾝﾄ色", 18},
    {"ﾎﾞﾀﾝの表面色", 15},
    {"ﾎﾞﾀﾝの強調表示色", 20},
    {"ﾎﾞﾀﾝの影色", 16},
    {"淡色表示のﾌｫﾝﾄ色", 17},
    {"ﾒﾆｭｰのﾌｫﾝﾄ色", 7},
    {"ﾒﾆｭｰ色", 4},
    {"ｽｸﾛｰﾙﾊﾞｰ色", 0},
};

constexpr const char* kCustomCaption = "ｶｽﾀﾑ";
constexpr const char* kChooseCaption = "その他の色...";

TColor FromQColor(const QColor& color) {
    return static_cast<TColor>(color.red()) | static_cast<TColor>(color.green()) << 8 |
           static_cast<TColor>(color.blue()) << 16;
}

} // namespace

TColorComboBox::TColorComboBox(QWidget* parent) : QComboBox(parent) {
    const auto names = ColorNames();
    for (int i = 0; i < kFixedColorCount && i < static_cast<int>(names.size()); ++i) {
        std::string_view name = names[i].name;
        if (name.starts_with("cl")) {
            name.remove_prefix(2);
        }
        AddColor(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                 names[i].value);
    }
    for (const SystemColorCaption& entry : kSystemCaptions) {
        AddColor(QString::fromUtf8(entry.caption), kSystemColor + entry.index);
    }
    addItem(QString::fromUtf8(kChooseCaption), QVariant(kChooseEntry));
    setCurrentIndex(0);
    shown_ = Value();
    connect(this, &QComboBox::activated, this, &TColorComboBox::Chosen);
}

TColor TColorComboBox::Value() const {
    const qlonglong data = currentData().toLongLong();
    return data == kChooseEntry ? shown_ : static_cast<TColor>(data);
}

void TColorComboBox::SetValue(TColor color) {
    int index = findData(QVariant(static_cast<qlonglong>(color)));
    if (index < 0) {
        const int custom = CustomIndex();
        if (custom >= 0) {
            removeItem(custom);
        }
        const QColor shown = TColorToQColor(color, palette());
        QPixmap swatch(16, 16);
        swatch.fill(shown);
        index = count() - 1; // before the entry that opens the colour dialog
        insertItem(index, QIcon(swatch), QString::fromUtf8(kCustomCaption),
                   QVariant(static_cast<qlonglong>(color)));
    }
    setCurrentIndex(index);
    shown_ = color;
}

void TColorComboBox::Chosen(int index) {
    if (itemData(index).toLongLong() == kChooseEntry) {
        const QColor chosen =
            QColorDialog::getColor(TColorToQColor(shown_, palette()), this, QString());
        if (!chosen.isValid()) {
            SetValue(shown_);
            return;
        }
        SetValue(FromQColor(chosen));
    } else {
        shown_ = Value();
    }
    emit ColorChanged(shown_);
}

void TColorComboBox::AddColor(const QString& caption, TColor color) {
    QPixmap swatch(16, 16);
    swatch.fill(TColorToQColor(color, palette()));
    addItem(QIcon(swatch), caption, QVariant(static_cast<qlonglong>(color)));
}

int TColorComboBox::CustomIndex() const {
    return findText(QString::fromUtf8(kCustomCaption));
}

} // namespace mojiro
