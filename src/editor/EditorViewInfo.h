// What the scanner looks for in the text and how it colours it.
#pragma once

#include "editor/EditorBrackets.h"
#include "editor/EditorColors.h"
#include "editor/NotifyPersistent.h"

#include <string>

namespace mojiro {

class TEditorViewInfo : public TNotifyPersistent {
public:
    TEditorViewInfo();

    void Assign(const TEditorViewInfo& source);

    [[nodiscard]] TEditorBracketCollection& Brackets() { return brackets_; }
    [[nodiscard]] const TEditorBracketCollection& Brackets() const { return brackets_; }
    void SetBrackets(const TEditorBracketCollection& value) { brackets_.Assign(value); }
    [[nodiscard]] TEditorColors& Colors() { return colors_; }
    [[nodiscard]] const TEditorColors& Colors() const { return colors_; }
    void SetColors(const TEditorColors& value) { colors_.Assign(value); }
    [[nodiscard]] const std::string& Commenter() const { return commenter_; }
    void SetCommenter(std::string value);
    [[nodiscard]] bool ControlCode() const { return controlCode_; }
    void SetControlCode(bool value);
    [[nodiscard]] const std::string& HexPrefix() const { return hexPrefix_; }
    void SetHexPrefix(std::string value);
    [[nodiscard]] bool Mail() const { return mail_; }
    void SetMail(bool value);
    // The quotation mark is a single byte: only the first byte of value is kept.
    [[nodiscard]] const std::string& Quotation() const { return quotation_; }
    void SetQuotation(std::string value);
    [[nodiscard]] bool Url() const { return url_; }
    void SetUrl(bool value);

private:
    template <typename T> void Store(T& field, T value);

    TEditorBracketCollection brackets_;
    TEditorColors colors_;
    std::string commenter_;
    bool controlCode_ = false;
    std::string hexPrefix_;
    bool mail_ = false;
    std::string quotation_;
    bool url_ = false;
};

} // namespace mojiro
