#include "skin/manager/ControlWalk_win.h"

#include <commctrl.h>

#include <cwctype>
#include <string>
#include <utility>
#include <vector>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/PropertyAccess.h"
#include "skin/controls/Skin3rdMap.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/PainterFactory.h"
#include "skin/controls/painters/ScrollbarPainter_win.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/SkinUser32_win.h"
#include "core/Utf16.h"
#include "skin/forms/ToolBarPaint_win.h"
#include "skin/forms/WinSkinForm_win.h"
#include "ui/ToolBar.h"
#include "skin/manager/ControlFacts_win.h"
#include "ui/Form.h"
#include "ui/Panel.h"
#include "ui/WindowBinding.h"

namespace skin {

namespace {

std::vector<TControl*> ChildrenOf(TControl* control) {
    auto* w = dynamic_cast<TWinControl*>(control);
    return w ? w->Controls() : std::vector<TControl*>{};
}

void SetFaceColour(TComponent* control, const TSkinData& data) {
    skin::SetProperty(control, "Color", std::to_string(static_cast<std::int32_t>(data.Colors[csButtonFace])));
}

}  // namespace

TControlWalk::TControlWalk(TSkinData* data, IPainterFactory& factory) : data_(data), factory_(factory) {}

TControlWalk::~TControlWalk() { DeleteControls(); }

TDispatchSwitches TControlWalk::Switches() const {
    TDispatchSwitches s;
    s.Controls = data_->SkinControls;
    s.HasTabs = data_->Tabs != nullptr;
    s.DisableTag = data_->DisableTag;
    s.Skin3rd = data_->Skin3rd;
    return s;
}

void TControlWalk::InitControls(TComponent* container) {
    DeleteSkinDeleted();
    InitControlA(container);
}

void TControlWalk::InitControlA(TComponent* container) {
    if (!container) return;
    const std::vector<TComponent*> owned = container->Components();
    for (TComponent* c : owned)
        if (auto* control = dynamic_cast<TControl*>(c)) AddComp(control, container);
}

void TControlWalk::InitChildCtrl(TWinControl* container) {
    if (!container) return;
    for (TControl* c : ChildrenOf(container)) AddComp(c, container);
}

void TControlWalk::InitNestform(TCustomForm* form) {
    if (!form || !data_) return;
    DeleteSkinDeleted();
    if (!FindSkinComp(form)) AttachItem({TPainterKind::Box, true, 0}, TAttachVia::Init, form);
    const std::vector<TComponent*> owned = form->Components();
    for (TComponent* c : owned)
        if (auto* control = dynamic_cast<TControl*>(c)) AddComp(control, form);
}

bool TControlWalk::OwnChooser(TControl* control, TComponent* container, const std::string& className) {
    if (!data_->OnSkinControl) return false;
    TComponent* skinned = nullptr;
    data_->OnSkinControl(sender_, data_, container, control, className, skinned);
    auto* painter = dynamic_cast<TSkinControl*>(skinned);
    if (!painter) return false;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!list_.Contains(painter) && windowed) AttachToControl(*painter, *windowed, &list_, data_, painter->FParentBK);
    if (dynamic_cast<TCustomPanel*>(control)) InitChildCtrl(windowed);
    return true;
}

void TControlWalk::AddComp(TControl* control, TComponent* container) {
    if (!control || !data_) return;
    if (control->Tag() == data_->DisableTag) {
        DisableControl(control);
        return;
    }
    if (!control->Parent() || FindSkinComp(control)) return;
    TFrameworkFacts facts(*control);
    const std::string className = facts.ClassName();
    // Controls of the window being shown only: the walk runs when that window is skinned.
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && !windowed->HandleAllocated()) {
        try {
            if (!windowed->Handle()) return;
        } catch (const std::exception&) {
            return;
        }
    }
    if (OwnChooser(control, container, className)) return;
    const TPaintPlan plan = PlanControl(facts, Switches());
    if (plan.Handled) Carry(plan, control, container);
}

void TControlWalk::Carry(const TPaintPlan& plan, TControl* control, TComponent*) {
    if (!plan.SetName.empty()) skin::SetProperty(control, plan.SetName, plan.SetValue);
    RunStep(plan.Before, control);
    if (plan.Items.Kind != TPainterKind::None)
        for (TControl* item : ChildrenOf(control))
            if (!FindSkinComp(item)) AttachItem(plan.Items, TAttachVia::Init, item);
    if (plan.Kind != TPainterKind::None) {
        if (plan.Via == TAttachVia::SkinEdit)
            DoSkinEdit(dynamic_cast<TWinControl*>(control));
        else
            AttachItem({plan.Kind, plan.ParentBK, plan.Variant}, plan.Via, control);
    }
    RunStep(plan.After, control);
    RunLater(plan.Later, control);
}

// Tool bars are painted through their custom drawing; a tool button's drop-down menu
// gets the skin's items.
void TControlWalk::RunLater(TLaterStep step, TControl* control) {
    auto* form = dynamic_cast<TWinSkinForm*>(sender_);
    switch (step) {
    case TLaterStep::ToolBarDraw:
        if (auto* bar = dynamic_cast<TToolBar*>(control)) {
            TSkinData* skin = data_;
            bar->OnCustomDrawBackground = [skin](TToolBar*, HDC dc, const RECT& r, bool& defaultDraw) {
                if (ToolBarDrawBackground(*skin, dc, r)) defaultDraw = false;
            };
            bar->OnCustomDrawButton = [skin](TToolBar* sender, TToolButton* b, HDC dc, UINT state, bool& defaultDraw) {
                if (ToolBarDrawButton(*skin, dc, b->BoundsRect(), state, Utf8ToUtf16(b->Caption()),
                                      sender->Font().Handle()))
                    defaultDraw = false;
            };
            toolBars_->Bars.push_back(bar);
            bar->FreeNotification(toolBars_.get());
            bar->Invalidate();
        }
        break;
    case TLaterStep::ToolButtonMenu:
        if (auto* button = dynamic_cast<TToolButton*>(control); button && form && button->DropdownMenu())
            form->InitToolbarMenu(button->DropdownMenu()->Items(), true);
        break;
    case TLaterStep::None: break;
    }
}

void TControlWalk::RunStep(TChildStep step, TControl* control) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    switch (step) {
    case TChildStep::None: break;
    case TChildStep::InitChildCtrl: InitChildCtrl(windowed); break;
    case TChildStep::AddCompChildren:
        for (TControl* c : ChildrenOf(control)) AddComp(c, nullptr);
        break;
    case TChildStep::InitControlA: InitControlA(control); break;
    case TChildStep::EmbedScrollbars:
        for (TControl* c : ChildrenOf(control)) {
            TFrameworkFacts facts(*c);
            const TPaintItem item = PlanEmbeddedChild(facts);
            if (item.Kind != TPainterKind::None && !FindSkinComp(c)) AttachItem(item, TAttachVia::InitScrollbar, c);
        }
        break;
    case TChildStep::InitHwndControls:
        if (windowed && windowed->HandleAllocated()) InitHwndControls(windowed->Handle());
        break;
    }
}

// Painters with an attach of their own (the scroll-bar painters' scrolling-control
// attach, the speed button's attach through its parent) override Init.
void TControlWalk::AttachItem(const TPaintItem& item, TAttachVia via, TControl* control) {
    if (item.Kind == TPainterKind::None || !control) return;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed && !windowed->HandleAllocated()) return;
    TSkinControl* painter = factory_.Make(item.Kind, item.Variant, control);
    if (!painter) return;
    plain_.erase(painter);  // a new painter may reuse a freed one's address
    bool attached = false;
    if (via == TAttachVia::GraphicControl) {
        attached = painter->Init(&list_, data_, control, nullptr, item.ParentBK);
    } else if (windowed && via == TAttachVia::Inithwnd) {
        attached = AttachToWindow(*painter, windowed->Handle(), &list_, data_);
        if (attached) plain_[painter] = windowed->Handle();
    } else if (windowed) {
        attached = AttachToControl(*painter, *windowed, &list_, data_, item.ParentBK);
    }
    if (!attached) {
        painter->Release();
        return;
    }
    if (windowed) AttachInnerWindows(item.Kind, windowed->Handle());
}

// Windows inside a control that take painters of their own: the spin buttons of an edit,
// the column header of a list view, the always-shown list of a simple combo box.
void TControlWalk::AttachInnerWindows(TPainterKind kind, HWND window) {
    switch (kind) {
    case TPainterKind::Edit: FindUPDown(window); break;
    case TPainterKind::ListView:
        if (auto header = reinterpret_cast<HWND>(SendMessageW(window, LVM_GETHEADER, 0, 0)))
            if (!Lookupcontrol(header)) AttachPlain(TPainterKind::Header, 0, header);
        break;
    case TPainterKind::ComBox: FindSimpleList(window); break;
    case TPainterKind::Tab:
        // The strip's scroll arrows, shown when its tabs do not fit.
        if (HWND arrows = FindWindowExW(window, nullptr, UPDOWN_CLASSW, nullptr))
            if (!Lookupcontrol(arrows)) AttachPlain(TPainterKind::UpDown, 0, arrows);
        break;
    default: break;
    }
}

void TControlWalk::FindSimpleList(HWND combo) {
    if ((GetWindowLongW(combo, GWL_STYLE) & 3) != CBS_SIMPLE) return;
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!SkinGetComboBoxInfo(combo, &info) || !info.hwndList) return;
    // A list that pops up (or hangs off the desktop) is no part of the box's face.
    if (!(GetWindowLongW(info.hwndList, GWL_STYLE) & WS_CHILD) || GetParent(info.hwndList) == GetDesktopWindow())
        return;
    if (!Lookupcontrol(info.hwndList)) AttachPlain(TPainterKind::ScrollbarH, 0, info.hwndList);
}

// A framework control made a new window: its painter went with the old one. A scroll
// painter is replaced by one of its own class; any other by what the dispatch chooses for
// the control now (a picker switched to spin arrows becomes an edit, for one).
void TControlWalk::Recreate(HWND old) {
    const std::vector<TSkinControl*> painters = list_.Items();
    for (auto it = painters.rbegin(); it != painters.rend(); ++it) {
        TSkinControl* painter = *it;
        auto* control = dynamic_cast<TWinControl*>(painter->FControl);
        if (!control || painter->FHandle != reinterpret_cast<std::uintptr_t>(old)) continue;
        const bool scroll = dynamic_cast<TSkinScrollbar*>(painter) != nullptr;
        const TPainterKind kind =
            painter->ClassName() == "TSkinListView" ? TPainterKind::ListView : TPainterKind::Scrollbar;
        list_.Remove(painter);
        painter->FForm = nullptr;
        painter->Release();
        if (!control->HandleAllocated()) return;
        if (scroll)
            AttachItem({kind, false, 0}, TAttachVia::InitScrollbar, control);
        else
            AddComp(control, nullptr);
        return;
    }
}

void TControlWalk::FindUPDown(HWND edit) {
    if (!data_->SkinControls.Contains(xcSpin)) return;
    for (HWND c = GetTopWindow(edit); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t name[101] = {};
        GetClassNameW(c, name, 100);
        std::wstring lower(name);
        for (wchar_t& ch : lower) ch = static_cast<wchar_t>(towlower(ch));
        if (lower != L"msctls_updown32" && lower.find(L"spin") == std::wstring::npos &&
            lower.find(L"updown") == std::wstring::npos)
            continue;
        if (!Lookupcontrol(c)) AttachPlain(TPainterKind::UpDown, kUpDownInEdit, c);
        return;
    }
}

void TControlWalk::AttachPlain(TPainterKind kind, int variant, HWND window) {
    TSkinControl* painter = factory_.Make(kind, variant, nullptr);
    if (!painter) return;
    if (!AttachToWindow(*painter, window, &list_, data_)) {
        painter->Release();
        return;
    }
    plain_[painter] = window;
    if (kind == TPainterKind::Edit) FindUPDown(window);
}

void TControlWalk::AddControlh(HWND window) {
    if (!window || !data_ || !IsWindow(window) || Lookupcontrol(window)) return;
    // Painted already, by another form's walk or as a framework control.
    if (SendMessageW(window, SKM_ISSKINNED, 0, 0) == 1) return;
    const TPaintPlan plan = PlanPlainWindow(ReadPlainWindow(window), data_->SkinControls);
    if (!plan.Handled) return;
    if (plan.Before == TChildStep::InitHwndControls) InitHwndControls(window);
    if (plan.Kind != TPainterKind::None) {
        HWND target = plan.OnFirstChild ? GetWindow(window, GW_CHILD) : window;
        if (target && !Lookupcontrol(target)) AttachPlain(plan.Kind, plan.Variant, target);
    }
    if (plan.After == TChildStep::InitHwndControls) InitHwndControls(window);
    if (plan.ButtonFace)
        if (TWinControl* behind = TWindowBinding::FromHandle(window)) SetFaceColour(behind, *data_);
}

void TControlWalk::InitHwndControls(HWND window) {
    std::vector<HWND> children;
    for (HWND c = GetTopWindow(window); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
    for (HWND c : children)
        if (IsWindow(c) && (GetWindowLongW(c, GWL_STYLE) & WS_CHILD) != 0) AddControlh(c);
}

bool TControlWalk::FindSkinComp(TControl* control) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed && windowed->HandleAllocated() && SendMessageW(windowed->Handle(), SKM_ISSKINNED, 0, 0) == 1)
        return true;
    for (TSkinControl* p : list_.Items())
        if (p->FControl == control) return true;
    return false;
}

void TControlWalk::DisableControl(TControl* control) {
    if (!DisableReachesItems(control->ClassName())) return;
    for (TControl* item : ChildrenOf(control)) item->SetTag(data_->DisableTag);
}

void TControlWalk::DoSkinEdit(TWinControl* control) {
    if (!control || !control->HandleAllocated()) return;
    RECT w{}, c{};
    GetWindowRect(control->Handle(), &w);
    GetClientRect(control->Handle(), &c);
    // Only an edit with a border has room for the frame.
    if (w.right - w.left != c.right - c.left || w.bottom - w.top != c.bottom - c.top)
        AttachItem({TPainterKind::Edit, false, 0}, TAttachVia::Init, control);
}

bool TControlWalk::IsScrollControl(TControl* control) {
    if (!control) return false;
    TFrameworkFacts facts(*control);
    return skin::IsScrollControl(facts);
}

bool TControlWalk::AddControlList(TSkinControl* painter) {
    const bool listed = list_.Contains(painter);
    list_.Add(painter);
    return listed;
}

void TControlWalk::DeleteControl(TSkinControl* painter) {
    list_.Remove(painter);
    plain_.erase(painter);
}

HWND TControlWalk::HandleOf(const TSkinControl* painter) const {
    if (auto it = plain_.find(painter); it != plain_.end()) return it->second;
    auto* windowed = dynamic_cast<const TWinControl*>(painter->FControl);
    return windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
}

TSkinControl* TControlWalk::Lookupcontrol(HWND window) {
    for (TSkinControl* p : list_.Items())
        if (HandleOf(p) == window) return p;
    return nullptr;
}

void TControlWalk::DeleteSkinDeleted() {
    const std::vector<TSkinControl*> painters = list_.Items();
    for (TSkinControl* p : painters) {
        if (p->FState != psDeleted) continue;
        DeleteControl(p);
        p->FForm = nullptr;
        p->Release();
    }
}

TControlWalk::TToolBarWatch::~TToolBarWatch() {
    for (TToolBar* bar : Bars) bar->RemoveFreeNotification(this);
}

void TControlWalk::TToolBarWatch::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove) std::erase(Bars, component);
}

void TControlWalk::DeleteControls() {
    for (TToolBar* bar : std::exchange(toolBars_->Bars, {})) {
        bar->RemoveFreeNotification(toolBars_.get());
        bar->OnCustomDrawBackground = nullptr;
        bar->OnCustomDrawButton = nullptr;
        bar->Invalidate();
    }
    skin::DeleteControls(list_);
    plain_.clear();
}

void TControlWalk::DeleteGraphicControl(TComponent* control) {
    const std::vector<TSkinControl*> painters = list_.Items();
    for (TSkinControl* p : painters) {
        if (p->FControl != control) continue;
        DeleteControl(p);
        p->FForm = nullptr;
        p->Release();
    }
}

void TControlWalk::SkinChanged() {
    const std::vector<TSkinControl*> painters = list_.Items();
    for (TSkinControl* p : painters)
        if (list_.Contains(p)) p->SkinChange();
}

void TControlWalk::HotControlLeave() {
    const std::vector<TSkinControl*> painters = list_.Items();
    for (TSkinControl* p : painters)
        if (list_.Contains(p) && p->FHot) p->MouseLeave();
}

void TControlWalk::HotControlCheck(POINT screen) {
    const std::vector<TSkinControl*> painters = list_.Items();
    for (TSkinControl* p : painters) {
        if (!list_.Contains(p) || !p->FHot || !p->Window()) continue;
        Rect r;
        if (!p->Window()->WindowRect(r)) continue;
        if (screen.x < r.Left || screen.x >= r.Right || screen.y < r.Top || screen.y >= r.Bottom) p->MouseLeave();
    }
}

}  // namespace skin
