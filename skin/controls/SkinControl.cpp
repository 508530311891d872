#include "skin/controls/SkinControl.h"

#include "skin/controls/PropertyAccess.h"
#include "skin/data/SkinData.h"
#include "skin/platform/SystemColors.h"

namespace skin {

namespace {

constexpr Color kSysButtonFace = 0x80000000u | 15;  // COLOR_BTNFACE

}  // namespace

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
    *alive_ = false;
    if (window_) {
        try {
            window_->Detach();
        } catch (const std::exception&) {
        }
    }
    if (FForm) FForm->Remove(this);
}

bool TSkinControl::Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                        std::unique_ptr<IPaintedWindow> window, bool parentBK) {
    if (FInitialized || !window) return false;
    FForm = form;
    FSkinData = skinData;
    FControl = control;
    FParentBK = parentBK;
    window_ = std::move(window);
    FHandle = window_->Handle();
    if (FForm) FForm->Add(this);
    if (FParentBK && FControl && GetIntProperty(FControl, "Color") != -1) {
        hadColor_ = true;
        FSavedColor = static_cast<Color>(GetIntProperty(FControl, "Color"));
        skin::SetProperty(FControl, "Color", std::to_string(static_cast<int32_t>(ButtonFaceColor())));
    }
    window_->InvalidateLater();
    FInitialized = true;
    FState = psAttached;
    return true;
}

bool TSkinControl::Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                            std::u16string text) {
    if (FInitialized || !window) return false;
    FForm = form;
    FSkinData = skinData;
    FEnabled = true;
    FKind = 0;
    FText = std::move(text);
    window_ = std::move(window);
    FHandle = window_->Handle();
    if (FForm) FForm->Add(this);
    window_->InvalidateLater();
    FInitialized = true;
    FState = psAttached;
    return true;
}

void TSkinControl::Unsubclass() {
    if (FParentBK && FControl && hadColor_)
        skin::SetProperty(FControl, "Color", std::to_string(static_cast<int32_t>(FSavedColor)));
}

bool TSkinControl::Default(TPainterMessage& message) {
    if (!window_) return true;
    std::shared_ptr<bool> alive = alive_;
    window_->CallPrevious(message);
    return *alive;
}

bool TSkinControl::BeforeProc(TPainterMessage& message) {
    switch (message.Msg) {
    case msg::NcDestroy:
        if (!Default(message)) return false;
        FSkinActive = false;
        FState = psDeleted;
        Unsubclass();
        return false;
    case SKM_ISSKINNED: message.Result = 1; return false;
    default: return true;
    }
}

void TSkinControl::AfterProc(TPainterMessage& message) {
    switch (message.Msg) {
    case msg::SetFocus:
    case msg::KillFocus:
    case msg::Enable:
    case msg::SetText:
    case msg::CmEnabledChanged: Invalidate(); break;
    case msg::Paint: PaintControl(message.WParam); break;
    default: break;
    }
}

void TSkinControl::Route(TPainterMessage& message) {
    if (message.Msg == SKM_ENABLE) {
        FSkinActive = static_cast<std::intptr_t>(message.WParam) > 0;
        SkinActiveChanged();
        if (FSkinActive) Invalidate();
        return;
    }
    if (!FSkinActive) {
        Default(message);
        return;
    }
    std::shared_ptr<bool> alive = alive_;
    if (!BeforeProc(message) || !*alive) return;
    if (!Default(message)) return;
    AfterProc(message);
}

void TSkinControl::NewWndProc(TPainterMessage& message) {
    std::shared_ptr<bool> alive = alive_;
    ++depth_;
    Route(message);
    if (!*alive) return;  // freed by its owner during the message
    if (--depth_ == 0 && releasePending_) delete this;
}

void TSkinControl::Release() {
    if (depth_ > 0)
        releasePending_ = true;
    else
        delete this;
}

void TSkinControl::Invalidate() {
    if (window_) window_->Invalidate();
}

void TSkinControl::MouseLeave() {
    if (window_) window_->Send(msg::CmMouseLeave, 0, 0);
}

void TSkinControl::PaintControl(std::uintptr_t dc) {
    Rect r;
    if (!window_ || !window_->WindowRect(r)) return;
    FWindowRect = r;
    Rect local{0, 0, r.Width(), r.Height()};
    try {
        window_->DrawOver(dc, false, local, [&](Surface& canvas) { DrawControl(canvas, local); });
    } catch (const std::exception&) {
        // A failing painter leaves the control in its own look for this paint.
    }
}

void TSkinControl::WMPaint(TPainterMessage& message) {
    Rect r;
    if (!window_ || !window_->WindowRect(r)) return;
    FWindowRect = r;
    Rect local{0, 0, r.Width(), r.Height()};
    try {
        window_->DrawOver(message.WParam, true, local, [&](Surface& canvas) { DrawControl(canvas, local); });
    } catch (const std::exception&) {
    }
}

void TSkinControl::WMEraseBkgnd(TPainterMessage& message) {
    if (window_) {
        try {
            window_->EraseBackground(message.WParam, GetParentColor(ButtonFaceColor()));
        } catch (const std::exception&) {
        }
    }
    message.Result = 1;
}

void TSkinControl::DrawControl(Surface&, const Rect&) {}

void TSkinControl::SkinChange() {
    if (FParentBK && FControl && hadColor_)
        skin::SetProperty(FControl, "Color", std::to_string(static_cast<int32_t>(ButtonFaceColor())));
    // The form repaints every window once the whole skin is in place.
    if (window_) window_->InvalidateLater();
}

Color TSkinControl::GetParentColor(Color deflt) const {
    TComponent* parent = window_ ? window_->ParentComponent() : nullptr;
    const TPublishedProperty* p = parent ? parent->FindProperty("Color") : nullptr;
    if (!p || !p->get || p->object) return deflt;
    try {
        Variant v = p->get(*parent);
        if (v.Type() == VarType::Integer) return static_cast<Color>(v.IntValue());
    } catch (const std::exception&) {
    }
    return deflt;
}

Color TSkinControl::ButtonFaceColor() const { return FSkinData ? FSkinData->Colors[csButtonFace] : kSysButtonFace; }

void TSkinControl::FillColor(Surface& canvas, const Rect& rect, Color colour) {
    Fill(canvas, rect, ColorToPixel(ResolveColor(colour)));
}

void TSkinControl::FillBG(Surface& canvas, const Rect& rect) const { FillColor(canvas, rect, ButtonFaceColor()); }

void TSkinControl::FillParentBG(Surface& canvas, const Rect& rect) const {
    FillColor(canvas, rect, GetParentColor(ButtonFaceColor()));
}

void DeleteControls(TPainterList& list) {
    std::vector<TSkinControl*> painters = list.Items();
    for (TSkinControl* p : painters)
        if (p->FState != psDeleted) p->Unsubclass();
    for (TSkinControl* p : painters) {
        list.Remove(p);
        p->FForm = nullptr;
        p->Release();
    }
}

}  // namespace skin
