#pragma once
// TSkinControl: the base of every painter. A painter sits in the message stream of one
// control (a framework control or a plain window), lets the control do its own work and
// draws the skinned look over it. This half holds the routing, the lifecycle and the
// shared helpers; the window itself is reached through IPaintedWindow (the Windows half
// builds that over the framework's hooks or a subclass stub).
//
// Lifetime: a painter is never freed inside its own message handling. Release() called
// while a message is being handled frees it when the outermost message returns. If the
// owner (the control) frees it in the middle of a message anyway, the routing notices
// and touches nothing more.
#include <cstdint>
#include <memory>
#include <string>

#include "core/Component.h"
#include "skin/controls/PaintedWindow.h"
#include "skin/controls/PainterList.h"

namespace skin {

class TSkinData;

enum TPainterState : std::int32_t {
    psCreated = 0,
    psAttached = 1,
    psDetachedByBox = 2,  // taken off by the container painter
    psDeleted = 6,        // the window received its last message
};

class TSkinControl : public TComponent {
public:
    // owner: the control painted, or the form skin object for plain windows.
    explicit TSkinControl(TComponent* owner = nullptr);
    ~TSkinControl() override;
    std::string ClassName() const override { return "TSkinControl"; }

    // Attaches to a framework control (`control`, reached through `window`). Does nothing
    // (and returns false) when already attached.
    virtual bool Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                      std::unique_ptr<IPaintedWindow> window, bool parentBK);
    // Attaches to a plain window whose text is `text`.
    virtual bool Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                          std::u16string text);
    // Undoes what attaching changed on the control (its colour).
    virtual void Unsubclass();
    // Pre-filter: false means the message is finished (its result is what was set here).
    virtual bool BeforeProc(TPainterMessage& message);
    // Runs after the control's own handler.
    virtual void AfterProc(TPainterMessage& message);
    // Paints over the whole window: into dc when given, else into the window's own.
    virtual void PaintControl(std::uintptr_t dc);
    // Draws the skinned look; rect is the window rectangle moved to the origin.
    virtual void DrawControl(Surface& canvas, const Rect& rect);
    // The skin was replaced: re-read elements and repaint.
    virtual void SkinChange();
    // Skinning of this control was switched off or on again (FSkinActive tells which);
    // painters with windows of their own show or hide them.
    virtual void SkinActiveChanged() {}
    virtual int GetState() { return 1; }

    // The replacement window procedure: every message of the painted window comes here.
    void NewWndProc(TPainterMessage& message);
    // Frees the painter now, or when its current message returns.
    void Release();

    void Invalidate();
    void MouseLeave();
    // Painters that replace the control's own painting and background erasing.
    void WMPaint(TPainterMessage& message);
    void WMEraseBkgnd(TPainterMessage& message);

    // The parent's published Color when it has one, else deflt.
    Color GetParentColor(Color deflt) const;
    Color ButtonFaceColor() const;
    void FillBG(Surface& canvas, const Rect& rect) const;
    void FillParentBG(Surface& canvas, const Rect& rect) const;
    static void FillColor(Surface& canvas, const Rect& rect, Color colour);

    // Fields, as the painters use them.
    bool FHot = false;
    bool FPressed = false;
    bool FEnabled = true;
    bool FFocused = false;
    std::u16string FText;
    bool FSkinActive = true;
    TSkinData* FSkinData = nullptr;
    TComponent* FControl = nullptr;
    Rect FWindowRect;
    bool FParentBK = false;
    Color FSavedColor = 0;
    bool FInitialized = false;
    std::int32_t FState = psCreated;
    TPainterList* FForm = nullptr;
    std::int32_t FKind = 0;
    // The window attached to. A framework control may make a new one; this still names
    // the old one, so the form can find the painter to replace.
    std::uintptr_t FHandle = 0;

    IPaintedWindow* Window() const { return window_.get(); }

protected:
    // Passes the message on to the control's previous handler. False when the painter
    // was freed meanwhile: the caller must then return at once without touching itself.
    bool Default(TPainterMessage& message);

private:
    void Route(TPainterMessage& message);

    std::unique_ptr<IPaintedWindow> window_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    int depth_ = 0;
    bool releasePending_ = false;
    bool hadColor_ = false;
};

// Switching skinning off for a form: every painter not already deleted gives back what
// it changed, then all are freed and the list is emptied.
void DeleteControls(TPainterList& list);

}  // namespace skin
