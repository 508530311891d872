#pragma once
// How the skin manager makes and drives form skin objects without knowing their class.
// The form skin object (TWinSkinForm) lives in skin/forms; the integrator gives the
// manager an IFormSkinFactory that makes one per window and wraps it as an IFormSkin.
//
// Contract for the implementation:
// - Create() gets a window the manager decided to skin. It attaches the object to the
//   window (InitTform for a framework form, InitDlg for a plain window) and returns it,
//   or returns nullptr when the window cannot be skinned after all. It must not make
//   window handles for controls of forms that are not being shown: the controls get
//   their painters when SKM_INITFORM arrives, which the manager posts after Create().
// - The manager owns every object it was given and frees it (the form must not free it).
// - An object whose window is destroyed marks itself deleted (State() == 6) and from
//   then on touches neither the window nor the framework form: the manager frees it at
//   its next purge.
#include <cstdint>
#include <memory>
#include <string>

#include "skin/manager/PopupMenuList.h"

class TComponent;

namespace skin {

class TSkinData;

enum TFormSkinState : int {
    fsNormal = 1,
    fsSkinChanging = 3,
    fsDestroying = 4,
    fsDeleted = 6,
};

class IFormSkin {
public:
    virtual ~IFormSkin() = default;
    virtual std::uintptr_t Window() const = 0;
    virtual TComponent* Form() const = 0;  // nil for plain windows
    virtual TSkinData* SkinData() const = 0;
    virtual int State() const = 0;
    virtual void SetState(int state) = 0;
    // Detaches and gives the window back its own frame, size and procedure.
    virtual void UnSubclass() = 0;
    // Detaches without restoring the window (the process is shutting down).
    virtual void UnSubclass3() = 0;
    // The skin was replaced: drop the caption buttons, re-read the skin data, and later
    // repaint everything from it (SkinChange runs after every object re-read its data).
    virtual void DeleteSysbtn() = 0;
    virtual void ReadSkinData() = 0;
    virtual void SkinChange() = 0;
    // Painters for one more child window of a plain window (a size grip).
    virtual void AddControlh(std::uintptr_t child) = 0;
    // Re-examines the controls under `control` (the whole form when nil).
    virtual void UpdateSkinControl(TComponent* control) = 0;
    // Skins a form placed inside this window.
    virtual void InitNestform(TComponent* nestedForm) = 0;
    virtual void UpdateMenu() = 0;
    virtual void UpdateMainMenu() = 0;
    virtual void DeleteGraphicControl(TComponent* control) = 0;
};

struct TFormSkinRequest {
    std::uintptr_t Window = 0;
    TComponent* Form = nullptr;  // the framework form, or nil for a plain window
    TSkinData* SkinData = nullptr;
    std::string ClassName;
};

class IFormSkinFactory {
public:
    virtual ~IFormSkinFactory() = default;
    virtual std::unique_ptr<IFormSkin> Create(const TFormSkinRequest& request) = 0;
    // Attaches a skinned background and frame to a popup-menu window; nullptr leaves the
    // window as the system draws it.
    virtual std::unique_ptr<IPopupMenuSkin> CreatePopupMenu(std::uintptr_t, TSkinData*) { return nullptr; }
};

}  // namespace skin
