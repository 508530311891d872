#include "ui/MenuItemPaint.h"

#include <algorithm>
#include <string>

#include "core/Utf16.h"
#include "ui/Menus.h"

namespace {

HFONT MenuFont(bool bold) {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    if (bold) ncm.lfMenuFont.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&ncm.lfMenuFont);
}

// The plain look of an owner-drawn item that has no drawing handler of its own.
void MeasurePlain(TMenuItem* item, HDC dc, int& width, int& height) {
    if (item->IsLine()) {
        width = 0;
        height = 8;
        return;
    }
    HFONT font = MenuFont(item->Default());
    HGDIOBJ old = SelectObject(dc, font);
    std::wstring text = Utf8ToWide(item->Caption());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    SelectObject(dc, old);
    DeleteObject(font);
    width = (r.right - r.left) + 16 + 8;  // room for a check mark and margins
    height = std::max<int>(r.bottom - r.top + 4, GetSystemMetrics(SM_CYMENU) - 1);
}

void DrawPlain(TMenuItem* item, HDC dc, const RECT& rect, bool selected) {
    RECT r = rect;
    FillRect(dc, &r, GetSysColorBrush(selected && item->Enabled() ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item->IsLine()) {
        RECT line{r.left, r.top + (r.bottom - r.top) / 2 - 1, r.right, r.bottom};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    HFONT font = MenuFont(item->Default());
    HGDIOBJ old = SelectObject(dc, font);
    int mode = SetBkMode(dc, TRANSPARENT);
    COLORREF color = !item->Enabled() ? GetSysColor(COLOR_GRAYTEXT)
                     : selected       ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                      : GetSysColor(COLOR_MENUTEXT);
    COLORREF oldColor = SetTextColor(dc, color);
    if (item->Checked()) {
        RECT mark{r.left + 2, r.top, r.left + 16, r.bottom};
        DrawTextW(dc, L"\x221A", 1, &mark, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    RECT text{r.left + 18, r.top, r.right - 4, r.bottom};
    std::wstring caption = Utf8ToWide(item->Caption());
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, mode);
    SelectObject(dc, old);
    DeleteObject(font);
}

}  // namespace

bool MeasureMenuItem(HWND window, MEASUREITEMSTRUCT& mi) {
    if (mi.CtlType != ODT_MENU) return false;
    TMenuItem* item = TMenu::FindItem(static_cast<UINT>(mi.itemData));
    if (!item) return false;
    HDC dc = GetDC(window);
    int w = 0, h = 0;
    MeasurePlain(item, dc, w, h);
    if (item->OnMeasureItem) item->OnMeasureItem(item, dc, w, h);
    ReleaseDC(window, dc);
    mi.itemWidth = static_cast<UINT>(std::max(w, 0));
    mi.itemHeight = static_cast<UINT>(std::max(h, 0));
    return true;
}

bool DrawMenuItem(const DRAWITEMSTRUCT& di) {
    if (di.CtlType != ODT_MENU) return false;
    TMenuItem* item = TMenu::FindItem(static_cast<UINT>(di.itemData));
    if (!item) return false;
    bool selected = (di.itemState & ODS_SELECTED) != 0;
    if (item->OnDrawItem)
        item->OnDrawItem(item, di.hDC, di.rcItem, selected);
    else
        DrawPlain(item, di.hDC, di.rcItem, selected);
    return true;
}
