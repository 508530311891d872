#include "skin/forms/MenuItemPainter_win.h"

#include "core/Utf16.h"
#include "skin/data/SkinData.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"
#include "ui/Menus.h"

namespace skin {

namespace {

constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU: the menu a popup window shows

const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

void SplitShortCut(std::u16string text, TMenuItemView& v) {
    const auto tab = text.find(u'\t');
    if (tab != std::u16string::npos) {
        v.ShortCut = text.substr(tab + 1);
        text.resize(tab);
    }
    v.Caption = std::move(text);
}

// Where the popup window's picture lies under a rectangle of its device context.
Point WindowOffset(HWND popup) {
    if (!popup) return {};
    POINT client{0, 0};
    ClientToScreen(popup, &client);
    RECT w{};
    GetWindowRect(popup, &w);
    return {client.x - w.left, client.y - w.top};
}

struct SelectedFont {
    SelectedFont(HDC dc, bool bold) : dc_(dc), font_(CreateMenuFont(bold)), old_(SelectObject(dc, font_)) {}
    ~SelectedFont() {
        SelectObject(dc_, old_);
        DeleteObject(font_);
    }
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

}  // namespace

HFONT CreateMenuFont(bool bold) {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    if (bold) ncm.lfMenuFont.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&ncm.lfMenuFont);
}

TMenuItemView ViewOf(const TMenuItem& item) {
    TMenuItemView v;
    v.Separator = item.IsLine();
    if (!v.Separator) SplitShortCut(Utf8ToUtf16(item.Caption()), v);
    v.Enabled = item.Enabled();
    v.Checked = item.Checked();
    v.Default = item.Default();
    return v;
}

TMenuItemView ViewOf(HMENU menu, UINT id, bool byPosition) {
    TMenuItemView v;
    wchar_t text[256] = {};
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    mi.dwTypeData = text;
    mi.cch = 255;
    if (!GetMenuItemInfoW(menu, id, byPosition, &mi)) return v;
    v.Separator = (mi.fType & MFT_SEPARATOR) != 0 || text[0] == 0;
    if (!v.Separator) SplitShortCut(std::u16string(reinterpret_cast<const char16_t*>(text)), v);
    v.Enabled = (mi.fState & (MFS_DISABLED | MFS_GRAYED)) == 0;
    v.Checked = (mi.fState & MFS_CHECKED) != 0;
    v.Default = (mi.fState & MFS_DEFAULT) != 0;
    v.RightToLeft = (mi.fType & MFT_RIGHTORDER) != 0;
    return v;
}

void TMenuItemPainter::MeasurePopup(const TMenuItemView& item, int& width) const {
    if (data_ && !data_->SkinEmpty) width += MenuItemExtraWidth(*data_, TMenuOwner::Popup, item.HasImages);
}

void TMenuItemPainter::MeasureMain(const TMenuItemView& item, int& width) const {
    if (data_) width += MenuItemExtraWidth(*data_, TMenuOwner::MainMenu, item.HasImages);
}

void TMenuItemPainter::MeasureByHandle(HDC dc, const TMenuItemView& item, int& width, int& height) const {
    SelectedFont font(dc, item.Default);
    std::u16string text = item.Caption;
    if (!item.ShortCut.empty()) text += u"\t" + item.ShortCut;
    if (text.empty() || text == u"&") text += u" ";
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, W(text), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    const TextExtent e = MeasureHandleItem(*data_, {r.right - r.left, r.bottom - r.top}, item.Separator);
    width = e.Width;
    height = e.Height;
}

void TMenuItemPainter::Draw(const TMenuItemView& item, HDC dc, const RECT& rect, bool selected) const {
    if (!data_) return;
    const Point size{rect.right - rect.left, rect.bottom - rect.top};
    if (size.X <= 0 || size.Y <= 0) return;
    HWND popup = WindowFromDC(dc);
    const auto menu = popup ? static_cast<std::uintptr_t>(SendMessageW(popup, kGetMenuHandle, 0, 0)) : 0;
    if (links_.ItemDrawn) links_.ItemDrawn(menu);
    const Surface* background = links_.Background ? links_.Background(menu) : nullptr;
    const Point offset = WindowOffset(popup);
    Surface face = ComposeMenuItem(*data_, background, {rect.left + offset.X, rect.top + offset.Y}, size, selected,
                                   item.Separator);
    HDC faceDC = SurfaceDC(face);
    const Rect local{0, 0, size.X, size.Y};
    if (item.Separator && !data_->MenuItem) {
        RECT line{0, 4, size.X, size.Y};
        DrawEdge(faceDC, &line, EDGE_ETCHED, BF_TOP);
    } else if (!item.Separator) {
        DrawItemText(item, faceDC, local, selected);
    }
    GdiFlush();
    BlitToDC(dc, rect.left, rect.top, face, face.Bounds());
}

void TMenuItemPainter::DrawItemText(const TMenuItemView& item, HDC dc, const Rect& r, bool selected) const {
    const int w = MenuImageWidth(item.HasImages, item.ImageSize, item.Checked);
    const TMenuItemPlace place = PlaceMenuItem(*data_, r, w, false, item.RightToLeft);
    const Color colour = ResolveColor(MenuItemTextColor(data_->Colors, selected, item.Enabled));
    DrawImage(item, dc, place.ImageBox, r, ColorToPixel(colour));
    SelectedFont font(dc, item.Default);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    const UINT rtl = item.RightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
    RECT text{place.TextArea.Left, place.TextArea.Top, place.TextArea.Right, place.TextArea.Bottom};
    DrawTextW(dc, W(item.Caption), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | rtl);
    if (item.ShortCut.empty()) return;
    RECT shortcut = item.RightToLeft ? RECT{place.ShortCutRight, r.Top, place.TextArea.Right, r.Bottom}
                                     : RECT{place.TextArea.Left, r.Top, place.ShortCutRight, r.Bottom};
    DrawTextW(dc, W(item.ShortCut), -1, &shortcut,
              DT_SINGLELINE | DT_VCENTER | (item.RightToLeft ? DT_LEFT | DT_RTLREADING : DT_RIGHT));
}

// A checked item's image sits on the checker pattern in a sunken box; a checked item
// without an image shows the system's check mark.
void TMenuItemPainter::DrawImage(const TMenuItemView& item, HDC dc, const Rect& box, const Rect& r,
                                 Pixel textColour) const {
    const int h = r.Height();
    const bool hasImage =
        item.Images && item.ImageIndex >= 0 && (item.ImageIndex + 1) * item.ImageSize <= item.Images->Width();
    if (hasImage) {
        Rect at = box;
        if (item.Checked) {
            at = Rect::FromSize(box.Left, r.Top + (h - 16) / 2, box.Width(), box.Height());
            RECT b{at.Left, at.Top, at.Right, at.Bottom};
            HBRUSH checker = GetSysColorBrush(COLOR_BTNHILIGHT);
            FillRect(dc, &b, checker);
            DrawEdge(dc, &b, BDR_SUNKENOUTER, BF_RECT);
        } else {
            at = Rect::FromSize(box.Left, r.Top + (h - item.Images->Height()) / 2, box.Width(), box.Height());
        }
        Surface glyph = item.Images->Cut(
            Rect::FromSize(item.ImageIndex * item.ImageSize, 0, item.ImageSize, item.Images->Height()));
        const Pixel key = item.ImagesAreMask ? MakePixel(255, 255, 255) : kMagenta;
        // A mask takes the caption's colour; a coloured image greys to its shape in the
        // shadow colour when the item is disabled.
        const bool recolour = item.ImagesAreMask || !item.Enabled;
        const Pixel ink = item.ImagesAreMask ? textColour : ColorToPixel(GetSysColor(COLOR_BTNSHADOW));
        if (recolour)
            for (int y = 0; y < glyph.Height(); ++y)
                for (int x = 0; x < glyph.Width(); ++x)
                    if (glyph.At(x, y) != key) glyph.Set(x, y, ink);
        Surface target = CaptureDC(dc, at);
        CopyTransparent(target, 0, 0, glyph, glyph.Bounds(), key);
        BlitToDC(dc, at.Left, at.Top, target, target.Bounds());
        return;
    }
    if (!item.Checked) return;
    const int size = GetSystemMetrics(SM_CXMENUCHECK);
    HDC maskDC = CreateCompatibleDC(dc);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(maskDC, mask);
    RECT m{0, 0, size, size};
    DrawFrameControl(maskDC, &m, DFC_MENU, DFCS_MENUCHECK);
    const int x = box.Left + (box.Width() - size) / 2 + 1, y = r.Top + (h - size) / 2 + 1;
    // The mark is black on white: paint clBtnText where the mask is black.
    HBRUSH text = CreateSolidBrush(GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ oldBrush = SelectObject(dc, text);
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0)), oldBk = SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, x, y, size, size, maskDC, 0, 0, 0x00B8074A);  // PSDPxax: brush where the source is black
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
    SelectObject(dc, oldBrush);
    DeleteObject(text);
    SelectObject(maskDC, old);
    DeleteObject(mask);
    DeleteDC(maskDC);
}

}  // namespace skin
