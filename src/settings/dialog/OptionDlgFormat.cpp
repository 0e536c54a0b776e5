// Page "書式1": font, line length, comment marker, the colours of the token
// kinds, the marks and the row spacing, all shown on the sample editor.
#include "editor/control/TEditor.h"
#include "settings/dialog/ColorComboBox.h"
#include "settings/dialog/DialogSupport.h"
#include "settings/dialog/LineMargin.h"
#include "settings/dialog/OptionDlg.h"
#include "settings/dialog/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

namespace mojiro {

using namespace option_dialog;

namespace {

// >> 記者用エディタ　Mojiro　Ver.2.12
constexpr const char* kPreviewTitle =
    ">> "
    "\x8B\x4C\x8E\xD2\x97\x70\x83\x47\x83\x66\x83\x42\x83\x5E\x81\x40Mojiro\x81\x40"
    "Ver.2.12";
constexpr const char* kPreviewMail = "E-Mail: kisha@mojiro.example.jp";
constexpr const char* kPreviewUrl = "URL: https://www.mojiro.example.jp/";
constexpr const char* kPreviewTab = "\xC0\xCC\xDE\t\t";  // ﾀﾌﾞ and two tabs
constexpr const char* kCommentWord = "\xBA\xD2\xDD\xC4"; // ｺﾒﾝﾄ

enum MarkItem { kRetMark, kEofMark, kSpaceMark, kTabMark, kUnderline };

} // namespace

QWidget* TOptionDlg::BuildFormatPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    FontLb = new QListWidget(page);
    FontLb->setObjectName(QStringLiteral("FontLb"));
    FontSizeSp = new QSpinBox(page);
    FontSizeSp->setObjectName(QStringLiteral("FontSizeSp"));
    FontSizeSp->setRange(1, 255);
    LineLenSp = new QSpinBox(page);
    LineLenSp->setObjectName(QStringLiteral("LineLenSp"));
    LineLenSp->setRange(10, 125);
    ComEdit = new QLineEdit(page);
    ComEdit->setObjectName(QStringLiteral("ComEdit"));
    grid->addWidget(new QLabel(U("ﾌｫﾝﾄの種類"), page), 0, 0);
    grid->addWidget(FontLb, 1, 0, 6, 1);
    grid->addWidget(new QLabel(U("ﾌｫﾝﾄのｻｲｽﾞ"), page), 0, 1);
    grid->addWidget(FontSizeSp, 1, 1);
    grid->addWidget(new QLabel(U("1行の文字数"), page), 2, 1);
    grid->addWidget(LineLenSp, 3, 1);
    grid->addWidget(new QLabel(U("「以後ｺﾒﾝﾄ」を示す文字"), page), 4, 1);
    grid->addWidget(ComEdit, 5, 1);

    auto* colors = new QGroupBox(U("色とｽﾀｲﾙ"), page);
    auto* colorGrid = new QGridLayout(colors);
    ColorStyleCb = new QComboBox(colors);
    ColorStyleCb->setObjectName(QStringLiteral("ColorStyleCb"));
    ColorStyleCb->addItems({U("標準"), U("全角文字、半角ｶﾀｶﾅ"), U("半角英数字"), U("半角記号"),
                            U("数値"), U("ｺﾒﾝﾄ"), U("URL"), U("E-Mail"), U("選択文字")});
    SameCb = new QCheckBox(U("標準と同じ"), colors);
    SameCb->setObjectName(QStringLiteral("SameCb"));
    ColorCcb = new TColorComboBox(colors);
    ColorCcb->setObjectName(QStringLiteral("ColorCcb"));
    BackColorCcb = new TColorComboBox(colors);
    BackColorCcb->setObjectName(QStringLiteral("BackColorCcb"));
    BoldCb = new QCheckBox(U("太字"), colors);
    BoldCb->setObjectName(QStringLiteral("BoldCb"));
    ItalicCb = new QCheckBox(U("ｲﾀﾘｯｸ"), colors);
    ItalicCb->setObjectName(QStringLiteral("ItalicCb"));
    UnderLineCb = new QCheckBox(U("下線"), colors);
    UnderLineCb->setObjectName(QStringLiteral("UnderLineCb"));
    colorGrid->addWidget(new QLabel(U("指定する項目"), colors), 0, 0);
    colorGrid->addWidget(ColorStyleCb, 0, 1);
    colorGrid->addWidget(SameCb, 0, 2);
    colorGrid->addWidget(new QLabel(U("文字の色"), colors), 1, 0);
    colorGrid->addWidget(ColorCcb, 1, 1);
    colorGrid->addWidget(new QLabel(U("背景の色"), colors), 2, 0);
    colorGrid->addWidget(BackColorCcb, 2, 1);
    colorGrid->addWidget(BoldCb, 3, 0);
    colorGrid->addWidget(ItalicCb, 3, 1);
    colorGrid->addWidget(UnderLineCb, 3, 2);
    grid->addWidget(colors, 7, 0, 1, 2);

    auto* marks = new QGroupBox(U("ﾏｰｸ"), page);
    auto* markGrid = new QGridLayout(marks);
    MarkCB = new QComboBox(marks);
    MarkCB->setObjectName(QStringLiteral("MarkCB"));
    MarkCB->addItems({U("改行ﾏｰｸ"), U("文末ﾏｰｸ"), U("全角空白"), U("ﾀﾌﾞ"), U("行ｶｰｿﾙ")});
    MarkVisibleCb = new QCheckBox(U("表示する"), marks);
    MarkVisibleCb->setObjectName(QStringLiteral("MarkVisibleCb"));
    MarkColorCcb = new TColorComboBox(marks);
    MarkColorCcb->setObjectName(QStringLiteral("MarkColorCcb"));
    markGrid->addWidget(new QLabel(U("指定する項目"), marks), 0, 0);
    markGrid->addWidget(MarkCB, 0, 1);
    markGrid->addWidget(MarkVisibleCb, 1, 0);
    markGrid->addWidget(MarkColorCcb, 1, 1);
    grid->addWidget(marks, 8, 0);

    LineMarginRg = new TRadioGroup(
        U("行間"), {U("0"), U("1/4"), U("1/3"), U("1/2"), U("2/3"), U("3/4"), U("1")}, 4, page);
    LineMarginRg->setObjectName(QStringLiteral("LineMarginRg"));
    grid->addWidget(LineMarginRg, 8, 1);

    smpEditor_->setMinimumHeight(110);
    grid->addWidget(smpEditor_, 9, 0, 1, 2);
    // The sample draws the window's tab and full-width-space marks too.
    smpEditor_->OnDrawLine = [this](TEditor* sender, QPainter& painter, const std::string&, int,
                                    int y, int index, const QRect& rect, bool selected) {
        DrawBlankMarks(*sender, painter, y, index, rect, selected, marks_);
    };

    connect(FontLb, &QListWidget::currentRowChanged, this, [this] { FontLbClick(); });
    connect(FontSizeSp, &QSpinBox::valueChanged, this, &TOptionDlg::FontSizeChange);
    connect(LineLenSp, &QSpinBox::valueChanged, this, &TOptionDlg::LineLenChange);
    connect(ComEdit, &QLineEdit::textChanged, this, [this] { ComEditChange(); });
    connect(ColorStyleCb, &QComboBox::currentIndexChanged, this, [this] { ColorStyleCbChange(); });
    connect(SameCb, &QCheckBox::clicked, this, [this] { SameCbClick(); });
    connect(ColorCcb, &TColorComboBox::ColorChanged, this, &TOptionDlg::ColorChange);
    connect(BackColorCcb, &TColorComboBox::ColorChanged, this, &TOptionDlg::BackColorChange);
    connect(BoldCb, &QCheckBox::clicked, this, [this](bool on) { StyleBoxClick(fsBold, on); });
    connect(ItalicCb, &QCheckBox::clicked, this, [this](bool on) { StyleBoxClick(fsItalic, on); });
    connect(UnderLineCb, &QCheckBox::clicked, this,
            [this](bool on) { StyleBoxClick(fsUnderline, on); });
    connect(MarkCB, &QComboBox::currentIndexChanged, this, [this] { MarkCbChange(); });
    connect(MarkVisibleCb, &QCheckBox::clicked, this, &TOptionDlg::MarkVisibleClick);
    connect(MarkColorCcb, &TColorComboBox::ColorChanged, this, &TOptionDlg::MarkColorChange);
    connect(LineMarginRg, &TRadioGroup::Clicked, this,
            [this](int index) { ApplyLineMargin(*smpEditor_, index); });
    return page;
}

void TOptionDlg::FontLbClick() {
    const QListWidgetItem* item = FontLb->currentItem();
    if (loading_ || item == nullptr) {
        return;
    }
    TEditorFont font = smpEditor_->Font();
    font.name = Cp932(item->text());
    smpEditor_->SetFont(font);
}

void TOptionDlg::FontSizeChange(int size) {
    if (loading_) {
        return;
    }
    TEditorFont font = smpEditor_->Font();
    font.size = size;
    font.height = FontHeightFromSize(size);
    smpEditor_->SetFont(font);
}

void TOptionDlg::LineLenChange(int length) {
    if (!loading_) {
        smpEditor_->WrapOption().SetWrapByte(length * 2);
    }
}

void TOptionDlg::ComEditChange() {
    if (!loading_) {
        smpEditor_->View().SetCommenter(Cp932(ComEdit->text()));
        BuildPreview();
    }
}

void TOptionDlg::BuildPreview() {
    std::string text = std::string(kPreviewTitle) + "\r\n" + kPreviewMail + "\r\n" + kPreviewUrl +
                       "\r\n" + kPreviewTab;
    const std::string& commenter = smpEditor_->View().Commenter();
    if (!commenter.empty()) {
        text += "\r\n" + commenter + kCommentWord;
    }
    smpEditor_->Lines().SetText(text);
}

TEditorColor& TOptionDlg::Slot(int k) const {
    TEditorColors& colors = smpEditor_->View().Colors();
    switch (k) {
    case 1:
        return colors.DBCS();
    case 2:
        return colors.Ank();
    case 3:
        return colors.Symbol();
    case 4:
        return colors.Int();
    case 5:
        return colors.Comment();
    case 6:
        return colors.Url();
    case 7:
        return colors.Mail();
    default:
        return colors.Select();
    }
}

bool TOptionDlg::SameAsStandardNow(int k) const {
    const TEditorColor& kind = Slot(k);
    const TEditorFont& font = smpEditor_->Font();
    return kind.Color() == font.color && kind.BkColor() == smpEditor_->Color() &&
           kind.Style() == font.style;
}

void TOptionDlg::ColorStyleCbChange() {
    const int k = ColorStyleCb->currentIndex();
    TColor color = smpEditor_->Font().color;
    TColor background = smpEditor_->Color();
    TFontStyles style = smpEditor_->Font().style;
    bool editable = true;
    if (k > 0) {
        const TEditorColor& kind = Slot(k);
        color = kind.Color();
        background = kind.BkColor();
        style = kind.Style();
        editable = !sameAsStandard_[static_cast<std::size_t>(k)];
    }
    SameCb->setEnabled(k > 0);
    SameCb->setChecked(k > 0 && sameAsStandard_[static_cast<std::size_t>(k)]);
    ColorCcb->SetValue(color);
    BackColorCcb->SetValue(background);
    BoldCb->setChecked((style & fsBold) != 0);
    ItalicCb->setChecked((style & fsItalic) != 0);
    UnderLineCb->setChecked((style & fsUnderline) != 0);
    for (QWidget* control : {static_cast<QWidget*>(ColorCcb), static_cast<QWidget*>(BackColorCcb),
                             static_cast<QWidget*>(BoldCb), static_cast<QWidget*>(ItalicCb),
                             static_cast<QWidget*>(UnderLineCb)}) {
        control->setEnabled(editable);
    }
}

void TOptionDlg::SameCbClick() {
    const int k = ColorStyleCb->currentIndex();
    if (k <= 0) {
        return;
    }
    sameAsStandard_[static_cast<std::size_t>(k)] = SameCb->isChecked();
    CopyStandardToFollowers();
    ColorStyleCbChange();
}

void TOptionDlg::CopyStandardToFollowers() {
    const TEditorFont& font = smpEditor_->Font();
    for (int k = 1; k <= 8; ++k) {
        if (sameAsStandard_[static_cast<std::size_t>(k)]) {
            TEditorColor& kind = Slot(k);
            kind.BeginUpdate();
            kind.SetColor(font.color);
            kind.SetBkColor(smpEditor_->Color());
            kind.SetStyle(font.style);
            kind.EndUpdate();
        }
    }
}

void TOptionDlg::ColorChange(TColor color) {
    const int k = ColorStyleCb->currentIndex();
    if (k > 0) {
        Slot(k).SetColor(color);
        return;
    }
    TEditorFont font = smpEditor_->Font();
    font.color = color;
    smpEditor_->SetFont(font);
    CopyStandardToFollowers();
}

void TOptionDlg::BackColorChange(TColor color) {
    const int k = ColorStyleCb->currentIndex();
    if (k > 0) {
        Slot(k).SetBkColor(color);
        return;
    }
    smpEditor_->SetColor(color);
    CopyStandardToFollowers();
}

void TOptionDlg::StyleBoxClick(TFontStyles bit, bool on) {
    const auto apply = [bit, on](TFontStyles style) {
        return static_cast<TFontStyles>(on ? style | bit : style & ~bit);
    };
    const int k = ColorStyleCb->currentIndex();
    if (k > 0) {
        Slot(k).SetStyle(apply(Slot(k).Style()));
        return;
    }
    TEditorFont font = smpEditor_->Font();
    font.style = apply(font.style);
    smpEditor_->SetFont(font);
    CopyStandardToFollowers();
}

void TOptionDlg::MarkCbChange() {
    bool visible = false;
    TColor color = clActiveCaption;
    switch (MarkCB->currentIndex()) {
    case kRetMark:
        visible = smpEditor_->Marks().RetMark().Visible();
        color = smpEditor_->Marks().RetMark().Color();
        break;
    case kEofMark:
        visible = smpEditor_->Marks().EofMark().Visible();
        color = smpEditor_->Marks().EofMark().Color();
        break;
    case kSpaceMark:
        visible = marks_.space;
        color = marks_.spaceColor;
        break;
    case kTabMark:
        visible = marks_.tab;
        color = marks_.tabColor;
        break;
    default:
        visible = smpEditor_->Marks().Underline().Visible();
        color = smpEditor_->Marks().Underline().Color();
        break;
    }
    MarkVisibleCb->setChecked(visible);
    MarkColorCcb->SetValue(color);
    MarkColorCcb->setEnabled(visible);
}

void TOptionDlg::MarkVisibleClick(bool on) {
    switch (MarkCB->currentIndex()) {
    case kRetMark:
        smpEditor_->Marks().RetMark().SetVisible(on);
        break;
    case kEofMark:
        smpEditor_->Marks().EofMark().SetVisible(on);
        break;
    case kSpaceMark:
        marks_.space = on;
        smpEditor_->viewport()->update();
        break;
    case kTabMark:
        marks_.tab = on;
        smpEditor_->viewport()->update();
        break;
    default:
        smpEditor_->Marks().Underline().SetVisible(on);
        break;
    }
    MarkColorCcb->setEnabled(on);
}

void TOptionDlg::MarkColorChange(TColor color) {
    switch (MarkCB->currentIndex()) {
    case kRetMark:
        smpEditor_->Marks().RetMark().SetColor(color);
        break;
    case kEofMark:
        smpEditor_->Marks().EofMark().SetColor(color);
        break;
    case kSpaceMark:
        marks_.spaceColor = color;
        smpEditor_->viewport()->update();
        break;
    case kTabMark:
        marks_.tabColor = color;
        smpEditor_->viewport()->update();
        break;
    default:
        smpEditor_->Marks().Underline().SetColor(color);
        break;
    }
}

} // namespace mojiro
