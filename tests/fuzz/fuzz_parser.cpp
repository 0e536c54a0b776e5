// Feeds arbitrary bytes to the column classes and the row scanner: nothing may
// read outside the text, and every token but the end must move forward.
#include "editor/ColumnClasses.h"
#include "editor/EditorParser.h"
#include "editor/EditorViewInfo.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace mojiro;

void Check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

const TEditorViewInfo& FuzzView() {
    static const TEditorViewInfo* const view = [] {
        auto* v = new TEditorViewInfo;
        auto& quote = v->Brackets().Add();
        quote.SetLeftBracket("\x81\x75");  // 「
        quote.SetRightBracket("\x81\x76"); // 」
        auto& paren = v->Brackets().Add();
        paren.SetLeftBracket("((");
        paren.SetRightBracket("");
        v->SetMail(true);
        v->SetUrl(true);
        v->SetCommenter("//");
        v->SetQuotation("'");
        v->SetHexPrefix("0x");
        v->SetControlCode(true);
        return v;
    }();
    return *view;
}

void ScanAll(std::string_view text, int state, const TEditorViewInfo* view) {
    TEditorParser parser(text, state, view);
    const int pairs = view != nullptr ? view->Brackets().Count() : 0;
    std::size_t end = 0; // end of the previous token
    for (std::size_t tokens = 0; parser.Token() != TokenKind::tkEnd; parser.NextToken()) {
        const std::string_view token = parser.TokenText();
        Check(++tokens <= text.size());
        Check(!token.empty());
        Check(parser.TokenOffset() >= end);
        Check(token.data() == text.data() + parser.TokenOffset());
        Check(parser.TokenOffset() + token.size() <= text.size());
        Check(parser.State() >= -2 && (view == nullptr || parser.State() < pairs));
        end = parser.TokenOffset() + token.size();
    }
    Check(parser.TokenOffset() <= text.size());
    Check(parser.TokenText().empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the starting state and the tab rule.
    const int state = data[0] % 4 - 2;
    const TabRule rule{2 + 2 * (data[0] >> 2 & 3), (data[0] & 0x10) != 0, 20 + (data[0] >> 5)};
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string classes = ColumnClasses(text, rule, DefaultDelimiters());
    Check(static_cast<long long>(classes.size()) == DisplayWidth(text, rule));
    Check(classes.size() >= text.size());
    const std::string expanded = ExpandTabs(text, rule);
    Check(expanded.size() <= classes.size() && expanded.size() + 1 >= classes.size());

    ScanAll(text, state, &FuzzView());
    ScanAll(text, state, nullptr);
    return 0;
}
