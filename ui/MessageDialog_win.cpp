#include "ui/MessageDialog.h"

#include <algorithm>
#include <memory>

#include "core/Utf16.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/GraphicControl.h"
#include "ui/Label.h"

namespace {

// The dialog's icon: a system icon drawn at 32 × 32 by the form.
class TMessageIcon : public TGraphicControl {
public:
    TMessageIcon(TComponent* owner, LPCWSTR id) : TGraphicControl(owner), id_(id) {
        SetBounds(0, 0, 32, 32);
        SetParentColor(true);
    }
    std::string ClassName() const override { return "TMessageIcon"; }
    int Id() const { return static_cast<int>(reinterpret_cast<ULONG_PTR>(id_)); }

protected:
    void Paint(HDC dc) override {
        if (HICON icon = LoadIconW(nullptr, id_)) DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    }

private:
    LPCWSTR id_;
};

// Layout units of the classic dialog, in dialog units (a quarter of the average
// character width across, an eighth of the character height down).
constexpr int kHorzMargin = 8, kVertMargin = 8, kHorzSpacing = 10, kVertSpacing = 10;
constexpr int kButtonWidth = 50, kButtonHeight = 14, kButtonSpacing = 4;

struct ButtonKind {
    TMsgDlgBtn bit;
    const char* name;
    const char* caption;
    TModalResult result;
};
constexpr ButtonKind kButtons[] = {
    {mbYes, "Yes", "&Yes", mrYes},
    {mbNo, "No", "&No", mrNo},
    {mbOK, "OK", "OK", mrOk},
    {mbCancel, "Cancel", "Cancel", mrCancel},
    {mbAbort, "Abort", "&Abort", mrAbort},
    {mbRetry, "Retry", "&Retry", mrRetry},
    {mbIgnore, "Ignore", "&Ignore", mrIgnore},
};

LPCWSTR IconOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning: return MAKEINTRESOURCEW(32515);       // IDI_WARNING
    case TMsgDlgType::mtError: return MAKEINTRESOURCEW(32513);         // IDI_ERROR
    case TMsgDlgType::mtInformation: return MAKEINTRESOURCEW(32516);   // IDI_INFORMATION
    case TMsgDlgType::mtConfirmation: return MAKEINTRESOURCEW(32514);  // IDI_QUESTION
    case TMsgDlgType::mtCustom: return nullptr;
    }
    return nullptr;
}

// The screen's message font, as the system's own message boxes use.
TFont MessageFont() {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    TFont f;
    f.SetName(WideToUtf8(ncm.lfMessageFont.lfFaceName));
    f.SetHeight(ncm.lfMessageFont.lfHeight ? static_cast<int>(ncm.lfMessageFont.lfHeight) : -11);
    f.SetCharset(ncm.lfMessageFont.lfCharSet);
    return f;
}

}  // namespace

std::string MsgDlgCaption(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning: return "Warning";
    case TMsgDlgType::mtError: return "Error";
    case TMsgDlgType::mtInformation: return "Information";
    case TMsgDlgType::mtConfirmation: return "Confirm";
    case TMsgDlgType::mtCustom: break;
    }
    return Application ? Application->Title() : std::string();
}

TMessageForm::TMessageForm(TComponent* owner, const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)
    : TForm(owner), type_(type), text_(text) {
    if ((buttons & (mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore)) == 0) buttons = mbOK;
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetFont(MessageFont());
    SetCaption(MsgDlgCaption(type));

    // Measures in the dialog's font: the average character and the text, wrapped at half
    // the screen's width.
    HDC dc = GetDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
    SIZE abc{};
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &abc);
    const int unitX = std::max<int>(abc.cx / 52, 1);
    const int unitY = std::max<int>(abc.cy, 1);
    const int horzMargin = MulDiv(kHorzMargin, unitX, 4);
    const int vertMargin = MulDiv(kVertMargin, unitY, 8);
    const int horzSpacing = MulDiv(kHorzSpacing, unitX, 4);
    const int vertSpacing = MulDiv(kVertSpacing, unitY, 8);
    const int buttonHeight = MulDiv(kButtonHeight, unitY, 8);
    const int buttonSpacing = MulDiv(kButtonSpacing, unitX, 4);
    int buttonWidth = MulDiv(kButtonWidth, unitX, 4);
    int buttonCount = 0;
    for (const auto& b : kButtons) {
        if (!(buttons & b.bit)) continue;
        ++buttonCount;
        std::wstring caption = Utf8ToWide(b.caption);
        RECT r{0, 0, 0, 0};
        DrawTextW(dc, caption.c_str(), -1, &r, DT_CALCRECT | DT_LEFT | DT_SINGLELINE);
        buttonWidth = std::max<int>(buttonWidth, r.right - r.left + 8);
    }
    std::wstring wtext = Utf8ToWide(text);
    RECT textRect{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
    DrawTextW(dc, wtext.c_str(), static_cast<int>(wtext.size()), &textRect, DT_EXPANDTABS | DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, oldFont);
    ReleaseDC(nullptr, dc);

    LPCWSTR iconId = IconOf(type);
    int iconTextWidth = textRect.right;
    int iconTextHeight = textRect.bottom;
    if (iconId) {
        iconTextWidth += 32 + horzSpacing;
        iconTextHeight = std::max(iconTextHeight, 32);
    }
    const int groupWidth = buttonWidth * buttonCount + buttonSpacing * (buttonCount - 1);
    SetClientWidth(std::max(iconTextWidth, groupWidth) + horzMargin * 2);
    SetClientHeight(iconTextHeight + buttonHeight + vertSpacing + vertMargin * 2);

    if (iconId) {
        auto* icon = new TMessageIcon(this, iconId);
        icon->SetName("Image");
        icon->SetParent(this);
        icon->SetBounds(horzMargin, vertMargin, 32, 32);
    }
    auto* label = new TLabel(this);
    label->SetName("Message");
    label->SetParent(this);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetCaption(text);
    label->SetBounds(iconTextWidth - textRect.right + horzMargin, vertMargin, textRect.right, textRect.bottom);

    // Enter presses OK (else Yes); Escape presses Cancel, else No, else OK.
    TMsgDlgBtn def = (buttons & mbOK) ? mbOK : (buttons & mbYes) ? mbYes : mbRetry;
    TMsgDlgBtn cancel = (buttons & mbCancel) ? mbCancel : (buttons & mbNo) ? mbNo : mbOK;
    int x = (ClientWidth() - groupWidth) / 2;
    TButton* defaultButton = nullptr;
    int tab = 0;
    for (const auto& b : kButtons) {
        if (!(buttons & b.bit)) continue;
        auto* button = new TButton(this);
        button->SetName(b.name);
        button->SetParent(this);
        button->SetCaption(b.caption);
        button->SetModalResult(b.result);
        button->SetDefault(b.bit == def);
        button->SetCancel(b.bit == cancel);
        button->SetBounds(x, iconTextHeight + vertMargin + vertSpacing, buttonWidth, buttonHeight);
        button->SetTabOrder(tab++);
        if (b.bit == def) defaultButton = button;
        x += buttonWidth + buttonSpacing;
    }
    if (defaultButton) SetActiveControl(defaultButton);
}

int TMessageForm::IconId() const {
    auto* icon = dynamic_cast<TMessageIcon*>(FindComponent("Image"));
    return icon ? icon->Id() : 0;
}

TMessageForm* CreateMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return new TMessageForm(nullptr, text, type, buttons);
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    std::unique_ptr<TMessageForm> form(CreateMessageDialog(text, type, buttons));
    return form->ShowModal();
}

void ShowMessage(const std::string& text) { MessageDlg(text, TMsgDlgType::mtCustom, mbOK); }
