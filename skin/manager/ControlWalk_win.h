#pragma once
// The walk that gives every control of a skinned window its painter: over a framework
// form's controls (by ownership and by parenting) and over a plain window's child
// windows. It keeps the window's painter list and frees the painters on detach.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Component.h"

#include "skin/controls/PaintPlan.h"
#include "skin/controls/PainterList.h"
#include "skin/controls/PainterTable.h"

class TComponent;
class TControl;
class TWinControl;
class TCustomForm;
class TToolBar;

namespace skin {

class IPainterFactory;
class TSkinControl;
class TSkinData;

class TControlWalk {
public:
    TControlWalk(TSkinData* data, IPainterFactory& factory);
    ~TControlWalk();
    TControlWalk(const TControlWalk&) = delete;
    TControlWalk& operator=(const TControlWalk&) = delete;

    // The form skin object, reported to the application's own painter chooser.
    void SetSender(TComponent* sender) { sender_ = sender; }
    TPainterList& List() { return list_; }

    void InitControls(TComponent* container);
    void InitControlA(TComponent* container);
    void InitChildCtrl(TWinControl* container);
    void InitNestform(TCustomForm* form);
    void AddComp(TControl* control, TComponent* container);
    void AddControlh(HWND window);
    void InitHwndControls(HWND window);

    bool FindSkinComp(TControl* control);
    void DisableControl(TControl* control);
    void DoSkinEdit(TWinControl* control);
    bool IsScrollControl(TControl* control);

    bool AddControlList(TSkinControl* painter);
    void DeleteControl(TSkinControl* painter);
    TSkinControl* Lookupcontrol(HWND window);
    // The control whose window `old` was made again gets a new painter in place of the one
    // that went with the old window.
    void Recreate(HWND old);
    void DeleteSkinDeleted();
    void DeleteControls();
    // Drops the painter of a control without a window.
    void DeleteGraphicControl(TComponent* control);

    // Skin change and hover: every painter re-reads the skin; the hovered one learns the
    // mouse has left (always, or only when the point in screen coordinates is outside it).
    void SkinChanged();
    void HotControlLeave();
    void HotControlCheck(POINT screen);

private:
    TDispatchSwitches Switches() const;
    void Carry(const TPaintPlan& plan, TControl* control, TComponent* container);
    void RunStep(TChildStep step, TControl* control);
    void RunLater(TLaterStep step, TControl* control);
    void AttachItem(const TPaintItem& item, TAttachVia via, TControl* control);
    // The spin buttons inside an edit get the up-down painter (marked as inside an edit).
    void FindUPDown(HWND edit);
    void AttachInnerWindows(TPainterKind kind, HWND window);
    void FindSimpleList(HWND combo);
    void AttachPlain(TPainterKind kind, int variant, HWND window);
    bool OwnChooser(TControl* control, TComponent* container, const std::string& className);
    HWND HandleOf(const TSkinControl* painter) const;

    TSkinData* data_;
    IPainterFactory& factory_;
    TComponent* sender_ = nullptr;
    TPainterList list_;
    std::map<const TSkinControl*, HWND> plain_;  // the windows of plain-window painters
    // Tool bars painted through their custom drawing; a tool bar freed first leaves the list.
    class TToolBarWatch : public TComponent {
    public:
        std::vector<TToolBar*> Bars;
        ~TToolBarWatch() override;
        void Notification(TComponent* component, TOperation operation) override;
    };
    std::unique_ptr<TToolBarWatch> toolBars_ = std::make_unique<TToolBarWatch>();
};

}  // namespace skin
