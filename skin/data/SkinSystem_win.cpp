// What the skin data component asks of Windows: the caption font from the non-client
// metrics, the application's icon, metrics and the face-colour brush.
#include <windows.h>

#include "core/Utf16.h"
#include "skin/data/SkinSystem.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"

namespace skin {

TSkinFont SystemCaptionFont() {
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    TSkinFont font;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0)) return font;
    const LOGFONTW& lf = m.lfCaptionFont;
    font.Name = WideToUtf8(lf.lfFaceName);
    font.Height = lf.lfHeight;
    font.Weight = lf.lfWeight;
    font.Italic = lf.lfItalic != 0;
    font.CharSet = lf.lfCharSet;
    return font;
}

namespace {

// The program's first icon group: the main icon.
BOOL CALLBACK FirstIconGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
    auto* out = reinterpret_cast<LPCWSTR*>(param);
    if (IS_INTRESOURCE(name)) {
        *out = name;
    } else {
        static wchar_t copy[256];  // the name is valid only during the enumeration
        lstrcpynW(copy, name, 256);
        *out = copy;
    }
    return FALSE;  // the first one is enough
}

}  // namespace

Surface ApplicationSmallIcon() {
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    HMODULE module = GetModuleHandleW(nullptr);
    LPCWSTR name = nullptr;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, FirstIconGroup,
                       reinterpret_cast<LONG_PTR>(&name));
    if (!name) return {};
    // The small image of the group (Windows picks the best size, the big one when there
    // is no small one), scaled to the small-icon size.
    auto icon = static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
    if (!icon) return {};
    Surface s(cx, cy, kMagenta);
    DrawIconEx(SurfaceDC(s), 0, 0, icon, cx, cy, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    // GDI leaves the alpha byte of what it drew; the raster keeps only red, green, blue.
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) s.Set(x, y, s.At(x, y) & 0xFFFFFF);
    return s;
}

Point MaximizedWindowSize() { return {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)}; }

bool SystemHasScrollBarInfo() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 && GetProcAddress(user32, "GetScrollBarInfo") != nullptr;
}

int SystemHScrollArrowWidth() { return GetSystemMetrics(SM_CXHSCROLL); }

std::uintptr_t CreateFaceBrush(SkinColor colour) {
    return reinterpret_cast<std::uintptr_t>(CreateSolidBrush(ResolveColor(colour)));
}

void DeleteFaceBrush(std::uintptr_t brush) {
    if (brush) DeleteObject(reinterpret_cast<HBRUSH>(brush));
}

}  // namespace skin
