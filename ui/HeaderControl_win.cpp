#include "ui/HeaderControl.h"

#include <commctrl.h>

#include "core/Utf16.h"

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    SetBounds(0, 0, 200, 17);
}

void THeaderControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = WC_HEADERW;
    p.Style |= HDS_BUTTONS | HDS_HORZ | HDS_HOTTRACK;
}

void THeaderControl::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateSections();
}

void THeaderControl::SetSections(std::vector<THeaderSection> sections) {
    sections_ = std::move(sections);
    UpdateSections();
}

void THeaderControl::SetImages(HIMAGELIST images) {
    images_ = images;
    if (HandleAllocated()) SendMessageW(Handle(), HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    Invalidate();
}

void THeaderControl::UpdateSections() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    SendMessageW(h, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    while (SendMessageW(h, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(h, HDM_DELETEITEM, 0, 0);
    static const int formats[] = {HDF_LEFT, HDF_RIGHT, HDF_CENTER};
    for (size_t i = 0; i < sections_.size(); ++i) {
        const THeaderSection& s = sections_[i];
        std::wstring text = Utf8ToWide(s.Text);
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.cxy = s.Width;
        item.pszText = text.data();
        item.fmt = formats[static_cast<int>(s.Alignment)] | HDF_STRING;
        if (s.ImageIndex >= 0) {
            item.mask |= HDI_IMAGE;
            item.iImage = s.ImageIndex;
            item.fmt |= HDF_IMAGE;
        }
        SendMessageW(h, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    Invalidate();
}
