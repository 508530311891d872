#pragma once
// TButton: the system push button under the class name "TButton". A click sets the
// form's modal result when the button has one; Enter clicks the focused button or else
// the default one, Escape the cancel one, Alt+the underlined letter the one it marks.
//
// TBitBtn: a push button that draws itself: a glyph (TGlyph: the picture and its grey
// disabled twin) beside the caption.
#include <string>
#include <vector>

#include "core/PublishedProperty.h"
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

// "blGlyphLeft" ... as the published Layout property writes it.
const char* ButtonLayoutName(TButtonLayout l);

// Draws a caption (with "&" marking the accelerator) in the classic look: in `color`
// when enabled, grey over a white shadow when not.
void DrawButtonCaption(HDC dc, const std::wstring& text, RECT r, UINT flags, COLORREF color, bool enabled);

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

// The glyph half of a glyph button, on whichever face `Base` draws (TBitBtn on the
// classic one, TRzBitBtn on the framed one): the picture, where it stands beside the
// caption, its published properties, and the drawing of both.
template <class Base>
class TGlyphButton : public Base {
public:
    explicit TGlyphButton(TComponent* owner) : Base(owner) {}

    const TGlyph& Glyph() const { return glyph_; }
    const TGlyph* GlyphObject() const { return &glyph_; }
    void SetGlyph(const TGlyph& glyph) {
        glyph_ = glyph;
        this->Invalidate();
    }
    // The bitmap resource of the program (see Glyph.h); a missing one throws Exception.
    void LoadGlyph(const std::string& resourceName) { SetGlyph(LoadGlyphResource(resourceName)); }
    int NumGlyphs() const { return glyph_.Empty() ? 1 : glyph_.NumGlyphs(); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l) {
        layout_ = l;
        this->Invalidate();
    }
    // -1: glyph and caption centred together.
    int Margin() const { return margin_; }
    void SetMargin(int v) {
        margin_ = v;
        this->Invalidate();
    }
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) {
        spacing_ = v;
        this->Invalidate();
    }

protected:
    void DefineProperties(std::vector<TPublishedProperty>& props) const override {
        Base::DefineProperties(props);
        props.push_back(ObjectProperty("Glyph", &TGlyphButton::GlyphObject));
        props.push_back(Property("NumGlyphs", &TGlyphButton::NumGlyphs));
        props.push_back(Property("Margin", &TGlyphButton::Margin, &TGlyphButton::SetMargin));
        props.push_back(Property("Spacing", &TGlyphButton::Spacing, &TGlyphButton::SetSpacing));
        props.push_back(
            ShownProperty<TGlyphButton>("Layout", [](const TGlyphButton& b) { return ButtonLayoutName(b.Layout()); }));
    }
    // Glyph and caption inside the content area `r` of the face.
    void DrawGlyphContent(HDC dc, RECT r) {
        DrawGlyphAndCaption(dc, r, glyph_, this->Text(), this->Font().Handle(), ColorToRGB(this->Font().Color()),
                            this->Enabled(), layout_, margin_, spacing_);
    }

private:
    TGlyph glyph_;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

class TBitBtn : public TGlyphButton<TCustomDrawnButton> {
public:
    explicit TBitBtn(TComponent* owner);
    std::string ClassName() const override { return "TBitBtn"; }

protected:
    void DrawButton(HDC dc, RECT r, bool pressed, bool focused) override;
};
