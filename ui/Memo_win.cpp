#include "ui/Memo.h"

#include "core/PublishedProperty.h"

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 185, 89); }

void TCustomMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    // A wrapping memo has no horizontal scrolling; the text breaks at the edge instead.
    if (wordWrap_) p.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) p.Style |= WS_VSCROLL;
    if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) p.Style |= WS_HSCROLL;
}

std::vector<std::string> TCustomMemo::Lines() const {
    std::vector<std::string> lines;
    const std::string text = Text();
    size_t from = 0;
    while (from <= text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        size_t cut = end > from && text[end - 1] == '\r' ? end - 1 : end;
        lines.push_back(text.substr(from, cut - from));
        from = end + 1;
    }
    // A final line break ends the last line; it does not start an empty one.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

void TCustomMemo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    SetText(text);
}

void TCustomMemo::SetScrollBars(TScrollStyle s) {
    if (s == scrollBars_) return;
    scrollBars_ = s;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    if (HandleAllocated()) RecreateWnd();
}

bool TCustomMemo::Dispatch(TMessage& m) {
    static const TMessageHandler<TCustomMemo> table[] = {
        {CM_WANTSPECIALKEY, &TCustomMemo::CMWantSpecialKey},
    };
    return DispatchTo(this, table, m) || TCustomEdit::Dispatch(m);
}

// Enter belongs to the memo (a new line); Tab and Escape still go to the form.
void TCustomMemo::CMWantSpecialKey(TMessage& m) { m.Result = m.WParam == VK_RETURN ? 1 : 0; }

void TCustomMemo::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TCustomEdit::DefineProperties(props);
    static const char* const bars[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
    props.push_back(EnumNameProperty("ScrollBars", &TCustomMemo::ScrollBars, bars));
    props.push_back(Property("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap));
}
