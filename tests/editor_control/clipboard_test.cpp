// Copy and paste through the system clipboard: exact CP932 bytes within the
// program, Unicode for everyone else, 〓 for what CP932 cannot hold, and the
// box marker.
#include "QtTestApp.h"
#include "editor/control/ClipboardMime.h"
#include "editor/control/TEditor.h"
#include "platform/CodePage.h"
#include "platform/Cp932Codec.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>
#include <string>

namespace mojiro::test {
namespace {

// Every valid CP932 character: the single bytes (NUL and the controls other
// than the line break bytes, ASCII, half-width katakana) on the first line,
// then every double-byte character, 32 to a line.
std::string AllCp932Text() {
    std::string text;
    for (int b = 0x00; b <= 0xDF; ++b) {
        if (b == '\r' || b == '\n' || (b >= 0x80 && b <= 0xA0))
            continue;
        text += static_cast<char>(b);
    }
    text += "\r\n";
    int count = 0;
    for (std::uint16_t c : AllCp932DoubleByteChars()) {
        text += static_cast<char>(c >> 8);
        text += static_cast<char>(c & 0xFF);
        if (++count % 32 == 0)
            text += "\r\n";
    }
    // Setting a text ends its last line with a line break.
    return text + "\r\n";
}

// Where two texts first differ (their common length when one is a prefix).
std::size_t FirstDifference(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i)
        if (a[i] != b[i])
            return i;
    return a.size() == b.size() ? std::string::npos : n;
}

// Keeps only the given format of what is on the clipboard, as another
// program that copied the same text would leave it.
void KeepOnlyPlainText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard->mimeData();
    ASSERT_NE(mime, nullptr);
    auto plain = new QMimeData;
    plain->setText(mime->text());
    clipboard->setMimeData(plain);
}

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor.show();
        FlushEvents();
    }
    void CopyAllThenPasteIntoEmpty() {
        editor.SelectAll();
        editor.CopyToClipboard();
        editor.Clear();
    }
    TEditor editor;
};

TEST_F(ClipboardTest, CopyThenPasteGivesBackEveryCp932CharacterExactly) {
    const std::string text = AllCp932Text();
    editor.Lines().SetText(text);
    CopyAllThenPasteIntoEmpty();
    ASSERT_EQ(editor.TextLength(), 0);

    editor.PasteFromClipboard();

    const std::string pasted = editor.Lines().Text();
    EXPECT_EQ(pasted.size(), text.size());
    EXPECT_EQ(FirstDifference(pasted, text), std::string::npos);
}

TEST_F(ClipboardTest, CopyPutsUnicodeAsPlainText) {
    editor.Lines().SetText("a\x82\xA0\xB1\r\n"); // aあｱ
    editor.SelectAll();
    editor.CopyToClipboard();

    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("a\u3042\uFF71\r\n"));
}

TEST_F(ClipboardTest, PlainTextPasteGivesDuplicatesTheirCanonicalCode) {
    const std::string text = AllCp932Text();
    editor.Lines().SetText(text);
    CopyAllThenPasteIntoEmpty();
    KeepOnlyPlainText();

    int replacements = 0;
    editor.OnCharactersReplaced = [&](TEditor*, int count) { replacements += count; };
    editor.PasteFromClipboard();

    // Every character keeps its length and its Unicode meaning; only the
    // second codes of characters CP932 holds twice change.
    const std::string pasted = editor.Lines().Text();
    ASSERT_EQ(pasted.size(), text.size());
    EXPECT_EQ(replacements, 0);
    int changed = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        const std::string before = text.substr(i, CharLength(text, i));
        const std::string after = pasted.substr(i, CharLength(text, i));
        if (before != after) {
            ++changed;
            EXPECT_EQ(Cp932ToUtf8(after), Cp932ToUtf8(before)) << "at byte " << i;
        }
    }
    // Microsoft's table holds 398 such second codes.
    EXPECT_EQ(changed, 398);
}

TEST_F(ClipboardTest, PlainTextPasteMapsKnownDuplicates) {
    // 纊 (NEC-selected), ≒ (NEC row 13), Ⅰ (IBM), ⅰ (NEC-selected), ¬ (IBM)
    editor.Lines().SetText("\xED\x40\x87\x90\xFA\x4A\xEE\xEF\xFA\x54\r\n");
    CopyAllThenPasteIntoEmpty();
    KeepOnlyPlainText();

    editor.PasteFromClipboard();

    // 纊 IBM, ≒ JIS, Ⅰ NEC row 13, ⅰ IBM, ¬ JIS
    EXPECT_EQ(editor.Lines().Text(), "\xFA\x5C\x81\xE0\x87\x54\xFA\x40\x81\xCA\r\n");
}

TEST_F(ClipboardTest, PastingWhatCp932CannotHoldInsertsGetaAndReportsTheCount) {
    editor.Lines().SetText("");
    QGuiApplication::clipboard()->setText(QString::fromUtf8("a\U0001F600b\u00E9c"));
    int reported = -1;
    TEditor* sender = nullptr;
    editor.OnCharactersReplaced = [&](TEditor* s, int count) {
        sender = s;
        reported = count;
    };

    editor.PasteFromClipboard();

    EXPECT_EQ(editor.Lines().Text(), "a\x81\xAC"
                                     "b\x81\xAC"
                                     "c"); // a〓b〓c
    EXPECT_EQ(reported, 2);
    EXPECT_EQ(sender, &editor);
}

TEST_F(ClipboardTest, BoxCopyIsMarkedAndPastesAsABox) {
    editor.Lines().SetText("abcd\r\nefgh\r\nijkl\r\n");
    editor.SetSelectionMode(TEditorSelectionMode::smBox);
    editor.SetRowCol(0, 1);
    editor.StartSelection();
    editor.SetRowCol(1, 3);
    editor.ExtendSelection();

    editor.CopyToClipboard();

    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_TRUE(mime->hasFormat(kBoxTypeMime));
    EXPECT_TRUE(mime->text().startsWith(QStringLiteral("bc")));

    editor.CleanSelection();
    editor.SetSelectionMode(TEditorSelectionMode::smStream);
    editor.SetRowCol(0, 0);
    editor.PasteFromClipboard();

    EXPECT_EQ(editor.Lines().Text(), "bcabcd\r\nfgefgh\r\nijkl\r\n");
}

TEST(ClipboardMimeTest, PlainTextFromAnotherProgramMarkedAsBoxIsABox) {
    QMimeData mime;
    mime.setText(QStringLiteral("ab\ncd"));
    mime.setData(kBoxTypeMime, QByteArray("ab\ncd", 6));

    const std::optional<ClipboardContent> content = ReadClipboardMime(&mime);

    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->text, "ab\ncd");
    EXPECT_TRUE(content->box);
}

} // namespace
} // namespace mojiro::test
