#pragma once
// TButton: the system push button under the class name "TButton". A click sets the
// form's modal result when the button has one; Enter clicks the focused button or else
// the default one, Escape the cancel one, Alt+the underlined letter the one it marks.
//
// TBitBtn: a push button that draws itself: a glyph (TGlyph: the picture and its grey
// disabled twin) beside the caption.
#include "ui/Glyph.h"
#include "ui/WinControl.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    std::string ClassName() const override { return "TButton"; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r) { modalResult_ = r; }
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    // The system button style: BS_PUSHBUTTON or BS_DEFPUSHBUTTON; buttons that draw
    // themselves answer BS_OWNERDRAW.
    virtual DWORD ButtonStyle() const;
    void CNCommand(TMessage& m);
    void CMDialogKey(TMessage& m);
    void CMDialogChar(TMessage& m);

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

// True when `caption` marks `key` as its accelerator ("&Да" for "д" or "Д").
bool IsAccel(wchar_t key, const std::string& caption);

// Where the glyph stands beside the caption.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Places and draws a glyph and a caption inside `r`. Margin -1 centres the pair; spacing
// is the gap between them. `enabled` picks the glyph's disabled twin and greys the text.
void DrawGlyphAndCaption(HDC dc, RECT r, const TGlyph& glyph, const std::string& caption, HFONT font,
                         COLORREF textColor, bool enabled, TButtonLayout layout, int margin, int spacing);

// A button that draws itself (owner-drawn system button): the base of the glyph button
// and of the framed buttons. A double click counts as a second click.
class TCustomDrawnButton : public TButton {
public:
    explicit TCustomDrawnButton(TComponent* owner) : TButton(owner) {}
    std::string ClassName() const override { return "TCustomDrawnButton"; }

protected:
    DWORD ButtonStyle() const override { return BS_OWNERDRAW; }
    bool Dispatch(TMessage& m) override;
    // Draws the whole button; `pressed` and `focused` come from the system.
    virtual void DrawButton(HDC dc, RECT r, bool pressed, bool focused) = 0;
    void CNDrawItem(TMessage& m);
    void WMLButtonDblClk(TMessage& m);
    void CMRepaint(TMessage& m);
};

class TBitBtn : public TCustomDrawnButton {
public:
    explicit TBitBtn(TComponent* owner);
    std::string ClassName() const override { return "TBitBtn"; }

    const TGlyph& Glyph() const { return glyph_; }
    void SetGlyph(const TGlyph& glyph);
    // The bitmap resource of the program (see Glyph.h); a missing one throws Exception.
    void LoadGlyph(const std::string& resourceName) { SetGlyph(LoadGlyphResource(resourceName)); }
    int NumGlyphs() const { return glyph_.Empty() ? 1 : glyph_.NumGlyphs(); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l);
    // -1: glyph and caption centred together.
    int Margin() const { return margin_; }
    void SetMargin(int v);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);

protected:
    void DrawButton(HDC dc, RECT r, bool pressed, bool focused) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;

    TGlyph glyph_;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

// "blGlyphLeft" ... as the published Layout property writes it.
const char* ButtonLayoutName(TButtonLayout l);
