// Randomised model tests: long random sequences of ReplaceRows under varied
// wrap options must keep the row list equal to a fresh fold of its own text,
// keep the text equal to a plain string model, and undo and redo exactly.
#include "editor/EditorBrackets.h"
#include "editor/FakeView.h"
#include "editor/LineSplitter.h"
#include "editor/ScreenStrings.h"

#include <gtest/gtest.h>
#include <random>

namespace mojiro {
namespace {

// Pieces of article text: double-byte characters, half-width kana, tabs,
// punctuation of the three kinsoku sets, brackets, words and line breaks.
const std::vector<std::string> kPieces = {
    "\x8a\xbf", // 漢
    "\x8e\x9a", // 字
    "\x82\xa0", // あ
    "\x83\x41", // ア
    "\x81\x5b", // ー
    "\xb1",     // ｱ (half-width)
    "\xa4",     // ､ (half-width)
    "\x81\x41", // 、
    "\x81\x42", // 。
    "\x81\x75", // 「
    "\x81\x76", // 」
    "\x81\x69", // （
    "\x81\x6a", // ）
    "\x81\x40", // full-width space
    "abc",
    "word",
    "Tokyo",
    "2026",
    "x",
    " ",
    ",",
    ".",
    "(",
    ")",
    "!",
    "\t",
    "\r\n",
    "\r\n",
    "\n",
    "\r",
    "longlonglonglonglongword",
    "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8\x82\xa9\x82\xab\x82\xad", // あいうえおかきく
};

std::string RandomText(std::mt19937& rng, int maxPieces) {
    std::uniform_int_distribution<int> count(0, maxPieces);
    std::uniform_int_distribution<std::size_t> pick(0, kPieces.size() - 1);
    std::string text;
    for (int i = count(rng); i > 0; --i)
        text += kPieces[pick(rng)];
    return text;
}

// Every line break written as CR LF, as the row list keeps text.
std::string NormalizeBreaks(std::string_view text) {
    std::string out;
    LineSplitter splitter(false);
    auto onLine = [&out](std::string_view line, bool withBreak) {
        out.append(line);
        if (withBreak)
            out.append("\r\n");
    };
    splitter.Feed(text, onLine);
    splitter.Finish(onLine);
    return out;
}

struct Options {
    int wrapByte;
    bool leading, punctuation, wordBreak, retMark, windowDefaults;
    int tabWidth;
    bool brackets;
};

Options RandomOptions(std::mt19937& rng) {
    const int widths[] = {20, 21, 23, 24, 30, 40};
    const int tabs[] = {2, 4, 8};
    std::bernoulli_distribution coin(0.5);
    return {widths[rng() % 6], coin(rng), coin(rng),       coin(rng),
            coin(rng),         coin(rng), tabs[rng() % 3], coin(rng)};
}

class ModelDocument {
public:
    explicit ModelDocument(const Options& o) {
        view.rows = &rows;
        view.tabWidth = o.tabWidth;
        if (o.brackets) {
            auto& pair = view.view.Brackets().Add();
            pair.SetLeftBracket("\x81\x75");  // 「
            pair.SetRightBracket("\x81\x76"); // 」
            auto& round = view.view.Brackets().Add();
            round.SetLeftBracket("(");
            round.SetRightBracket(")");
        }
        rows.AttachView(&view);
        rows.SetWordWrap(true);
        auto& w = rows.WrapOption();
        w.BeginUpdate();
        if (o.windowDefaults)
            ApplyWindowDefaults(w);
        w.SetWrapByte(o.wrapByte);
        w.SetLeading(o.leading);
        w.SetFollowPunctuation(o.punctuation);
        w.SetWordBreak(o.wordBreak);
        w.SetFollowRetMark(o.retMark);
        w.EndUpdate();
    }
    test::FakeView view;
    TEditorScreenStrings rows;
};

// Rows as "kind:bytes" so that a mismatch prints readably.
std::vector<std::string> RowsOf(const TEditorScreenStrings& rows) {
    std::vector<std::string> out;
    for (int i = 0; i < rows.Count(); ++i)
        out.push_back(std::to_string(static_cast<int>(rows.GetRowEndKind(i))) + ":" + rows.Get(i));
    return out;
}

void ComputeAllStates(TEditorScreenStrings& rows) {
    for (int row = 0; row < rows.Count(); ++row)
        if (rows.ScannerState(row) == kStateUncomputed)
            rows.PropagateStates(row, false);
}

// The invariants that must hold after every change.
void CheckInvariants(const Options& o, ModelDocument& doc, const std::string& expectedText) {
    TEditorScreenStrings& rows = doc.rows;
    const std::string text = rows.Text();
    ASSERT_EQ(text, expectedText);

    ModelDocument fresh(o);
    fresh.rows.LoadFromBytes(text);
    ASSERT_EQ(RowsOf(rows), RowsOf(fresh.rows)) << "text: " << text;

    // Running sums agree with walking the rows.
    std::ptrdiff_t index = 0;
    for (int row = 0; row < rows.Count(); ++row) {
        ASSERT_EQ(rows.RowCharIndex(row), index);
        ASSERT_EQ(rows.RowFromCharIndex(index), row);
        int first = row;
        while (first > 0 && rows.GetRowEndKind(first - 1) == RowEndKind::Wrapped)
            --first;
        int last = row;
        while (last < rows.Count() - 1 && rows.GetRowEndKind(last) == RowEndKind::Wrapped)
            ++last;
        ASSERT_EQ(rows.LineFirstRow(row), first);
        ASSERT_EQ(rows.LineLastRow(row), last);
        index += static_cast<std::ptrdiff_t>(rows.Get(row).size());
        if (rows.GetRowEndKind(row) == RowEndKind::LineEnd)
            index += 2;
    }
    ASSERT_EQ(rows.TextLength(), index);

    if (o.brackets) {
        ComputeAllStates(rows);
        int state = kStateOutside;
        for (int row = 0; row < rows.Count(); ++row) {
            ASSERT_EQ(rows.ScannerState(row), state) << "row " << row;
            state = rows.StateAfter(row, state);
        }
    }
}

class RowListModel : public ::testing::TestWithParam<unsigned> {};

TEST_P(RowListModel, RandomReplaceRowsMatchesFreshFoldAndUndoesExactly) {
    std::mt19937 rng(GetParam());
    const Options o = RandomOptions(rng);
    ModelDocument doc(o);
    doc.rows.UndoObj().SetUndoListMax(100000);
    doc.rows.LoadFromBytes(RandomText(rng, 60));
    const std::string original = doc.rows.Text();
    std::string model = original;
    std::vector<std::string> history{model};

    const int steps = 150;
    for (int step = 0; step < steps; ++step) {
        const int count = doc.rows.Count();
        const int first = std::uniform_int_distribution<int>(0, count)(rng);
        const int n = std::uniform_int_distribution<int>(0, std::min(3, count - first))(rng);
        std::string text = RandomText(rng, rng() % 8 == 0 ? 40 : 4);
        if (n == 0 && text.empty())
            text = "x";
        const std::ptrdiff_t a = doc.rows.RowCharIndex(first);
        const std::ptrdiff_t b = doc.rows.RowCharIndex(first + n);
        model = NormalizeBreaks(model.substr(0, a) + text + model.substr(b));
        doc.rows.ReplaceRows(first, n, text);
        SCOPED_TRACE("step " + std::to_string(step));
        CheckInvariants(o, doc, model);
        if (HasFatalFailure())
            return;
        history.push_back(model);
    }

    for (int step = steps - 1; step >= 0; --step) {
        ASSERT_TRUE(doc.rows.UndoObj().CanUndo());
        doc.rows.Undo();
        CheckInvariants(o, doc, history[step]);
        if (HasFatalFailure())
            return;
    }
    EXPECT_FALSE(doc.rows.UndoObj().CanUndo());
    EXPECT_EQ(doc.rows.Text(), original);
    for (int step = 1; step <= steps; ++step) {
        doc.rows.Redo();
        ASSERT_EQ(doc.rows.Text(), history[step]);
    }
    EXPECT_FALSE(doc.rows.UndoObj().CanRedo());
    CheckInvariants(o, doc, history.back());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RowListModel, ::testing::Range(1u, 41u));

} // namespace
} // namespace mojiro
