#include "ui/StatusBar.h"

#include <commctrl.h>

#include "core/PublishedProperty.h"
#include "core/Utf16.h"
#include "ui/Messages.h"

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    SetBounds(0, 0, 200, 19);
}

void TStatusBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = STATUSCLASSNAMEW;
    // Placed by its bounds: the system would otherwise glue it to the parent's bottom.
    p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (sizeGrip_) p.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() {
    TWinControl::CreateWnd();
    UpdatePanels();
    UpdateSimple();
}

void TStatusBar::UpdatePanels() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    std::vector<int> edges;
    int right = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        right += panels_[i].Width;
        edges.push_back(i + 1 == panels_.size() ? -1 : right);  // the last panel runs to the end
    }
    if (edges.empty()) edges.push_back(-1);
    SendMessageW(h, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t i = 0; i < panels_.size(); ++i) {
        const TStatusPanel& p = panels_[i];
        WPARAM how = i;
        if (p.Bevel == TStatusPanelBevel::pbNone) how |= SBT_NOBORDERS;
        if (p.Bevel == TStatusPanelBevel::pbRaised) how |= SBT_POPOUT;
        if (p.Style == TStatusPanelStyle::psOwnerDraw) {
            SendMessageW(h, SB_SETTEXTW, how | SBT_OWNERDRAW, 0);
            continue;
        }
        static const wchar_t* const align[] = {L"", L"\t\t", L"\t"};  // left, right, centre
        std::wstring text = align[static_cast<int>(p.Alignment)];
        text += Utf8ToWide(p.Text);
        SendMessageW(h, SB_SETTEXTW, how, reinterpret_cast<LPARAM>(text.c_str()));
    }
    Invalidate();
}

void TStatusBar::UpdateSimple() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    SendMessageW(h, SB_SIMPLE, simplePanel_ ? TRUE : FALSE, 0);
    std::wstring text = Utf8ToWide(simpleText_);
    SendMessageW(h, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
    Invalidate();
}

void TStatusBar::SetPanels(std::vector<TStatusPanel> panels) {
    panels_ = std::move(panels);
    UpdatePanels();
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
    if (index < 0 || index >= static_cast<int>(panels_.size())) return;
    panels_[index].Text = text;
    UpdatePanels();
}

void TStatusBar::SetSimplePanel(bool v) {
    simplePanel_ = v;
    UpdateSimple();
}

void TStatusBar::SetSimpleText(const std::string& text) {
    simpleText_ = text;
    UpdateSimple();
}

void TStatusBar::SetSizeGrip(bool v) {
    if (v == sizeGrip_) return;
    sizeGrip_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TStatusBar::SetBiDiMode(TBiDiMode v) {
    biDiMode_ = v;
    Invalidate();
}

bool TStatusBar::Dispatch(TMessage& m) {
    static const TMessageHandler<TStatusBar> table[] = {
        {CN_DRAWITEM, &TStatusBar::CNDrawItem},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TStatusBar::CNDrawItem(TMessage& m) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    if (item && OnDrawPanel) OnDrawPanel(this, static_cast<int>(item->itemID), item->hDC, item->rcItem);
    m.Result = TRUE;
}

void TStatusBar::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const modes[] = {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                        "bdRightToLeftReadingOnly"};
    props.push_back(Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel));
    props.push_back(Property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText));
    props.push_back(Property("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip));
    props.push_back(EnumNameProperty("BiDiMode", &TStatusBar::BiDiMode, modes));
}
