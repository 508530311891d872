#include "skin/data/SkinData.h"

#include <cstring>

#include "skin/data/QuickIni.h"
#include "skin/data/SkinBuiltins.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinStore.h"

namespace skin {

TSkinData::TSkinData(TComponent* owner) : TComponent(owner) {
    MenuGlyphs = BuildMenuGlyphs();
    MaxWindowSize = MaximizedWindowSize();
}

TSkinData::~TSkinData() {
    Send({.Kind = TSkinRequestKind::Unregister});
    DeleteFaceBrush(FaceBrush);
}

void TSkinData::Send(TSkinRequest r) {
    r.Sender = this;
    SkinManagerRequests().Request(r);
}

void TSkinData::Act(TSkinAction action) {
    Send({.Kind = TSkinRequestKind::Action, .Action = action, .DelayMs = SkinActionDelayMs});
}

std::string TSkinData::SkinStore() const { return designing_ && !skinBytes_.empty() ? "(Good)" : "(none)"; }

// ---- loading -------------------------------------------------------------------------

void TSkinData::LoadFromFile(const std::string& fileName) {
    skinFile_ = fileName;
    if (designing_) {
        skinBytes_.clear();
        return;
    }
    if (!SkinFileExists(fileName)) return;  // the previous skin, if any, stays
    try {
        skinBytes_ = ReadWholeFile(fileName);
    } catch (const Exception&) {
        return;  // an unreadable file is a missing one: the engine fails silently
    }
    LoadSkin();
    UpdateSkin();
}

void TSkinData::LoadFromStream(std::span<const std::uint8_t> skinFile) {
    skinBytes_.assign(skinFile.begin(), skinFile.end());
    LoadSkin();
    if (SkinFormtype == sfMainform) UpdateSkin();
}

void TSkinData::LoadFromCollection(TSkinStore* store, int index) {
    if (!store || index < 0 || index >= store->Count()) return;
    skinBytes_ = store->Item(index).DataStream();
    LoadSkin();
    UpdateSkin();
}

bool TSkinData::LoadSkin() {
    if (designing_) return false;
    SkinEmpty = true;
    TSkinReader reader;
    if (!reader.Loadfromstream(skinBytes_)) return false;
    std::vector<std::uint8_t> description;
    std::string member;
    reader.readIni(".ini", description, member);
    TQuickIni ini;
    ini.LoadFromBytes(description);
    SkinMemberLookup lookup = [&reader](const std::string& name, std::vector<std::uint8_t>& out) {
        reader.readfile(name, out);
        return !out.empty();
    };
    LoadFromIni(ini, lookup);
    return true;
}

void TSkinData::UpdateSkin() {
    if (designing_ || reading_) return;
    if (!SkinManagerRequests().ManagerExists()) Loaded();
    Send({.Kind = TSkinRequestKind::SetCurrent});
    Send({.Kind = TSkinRequestKind::DropCaptionButtons});
    if (SkinManagerRequests().SkinningRunning()) Act(TSkinAction::SkinChanged);
}

void TSkinData::Loaded() {
    TComponent::Loaded();
    reading_ = false;
    if (designing_) return;
    if (!SystemHasScrollBarInfo()) SkinControls.Exclude(xcScrollbar);
    if (!SkinManagerRequests().ManagerExists()) Send({.Kind = TSkinRequestKind::CreateManager});
    Send({.Kind = TSkinRequestKind::Register});
    CreateCaptionFont();

    if (SkinFormtype != sfMainform) {
        Send({.Kind = TSkinRequestKind::EnableSkin, .Flag = true});
        Send({.Kind = TSkinRequestKind::AddUser});
        // The manager skins the owner at once when it is a form.
        if (Owner() && active_) Send({.Kind = TSkinRequestKind::SkinWindowNow, .Form = Owner()});
        return;
    }

    Send({.Kind = TSkinRequestKind::InstallHook});
    if (active_) {
        if (SkinEmpty)
            active_ = false;  // no skin: the application runs unskinned, without a message
        else
            Act(TSkinAction::Install);
    }
    if (SkinControls.Contains(xcMainMenu))
        SkinControls.Exclude(xcMenuItem);
    else
        SkinControls.Exclude(xcSystemMenu);
    GetAppIcon();
}

void TSkinData::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (designing_ || reading_) return;
    switch (SkinFormtype) {
    case sfMainform:
        if (value) {
            if (SkinEmpty) return;
            Send({.Kind = TSkinRequestKind::SetCurrent});
            Act(TSkinAction::Install);
            Send({.Kind = TSkinRequestKind::SetRunning, .Flag = true});
        } else {
            Send({.Kind = TSkinRequestKind::SetCurrent});
            Act(TSkinAction::Remove);
        }
        break;
    case sfOnlyThisForm:
        Send({.Kind = TSkinRequestKind::SetCurrent});
        if (!value)
            Act(TSkinAction::Remove);
        else if (!SkinEmpty)
            Act(TSkinAction::Install);
        break;
    case sfDialog:
    case sfDLL: break;
    }
}

std::vector<std::uint8_t> TSkinData::WriteSkinStream() const {
    std::vector<std::uint8_t> out;
    out.reserve(4 + skinBytes_.size());
    const auto n = static_cast<std::uint32_t>(skinBytes_.size());
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
    out.insert(out.end(), skinBytes_.begin(), skinBytes_.end());
    return out;
}

void TSkinData::ReadSkinStream(std::span<const std::uint8_t> stream) {
    if (stream.size() < 4) return;
    std::int32_t n;
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= std::uint32_t{stream[static_cast<size_t>(i)]} << (8 * i);
    std::memcpy(&n, &u, 4);
    if (n <= 0 || static_cast<std::uint64_t>(n) > stream.size() - 4) return;
    skinBytes_.assign(stream.begin() + 4, stream.begin() + 4 + n);
    if (!designing_) LoadSkin();
}

// ---- requests to the manager -------------------------------------------------------

void TSkinData::SkinForm(std::uintptr_t window) { Send({.Kind = TSkinRequestKind::SkinWindowNow, .Window = window}); }
void TSkinData::ChangeForm(TComponent* form) {
    Send({.Kind = TSkinRequestKind::Action,
          .Action = TSkinAction::ReskinWindow,
          .DelayMs = SkinActionDelayMs,
          .Form = form});
}
void TSkinData::Install() { Act(TSkinAction::Install); }
void TSkinData::Uninstall() { Act(TSkinAction::Remove); }
void TSkinData::EnableSkin(bool flag) { Send({.Kind = TSkinRequestKind::EnableSkin, .Flag = flag}); }
void TSkinData::InstallThread(std::uint32_t threadId) {
    Send({.Kind = TSkinRequestKind::InstallThread, .ThreadId = threadId});
}
void TSkinData::UnInstallThread(std::uint32_t threadId) {
    Send({.Kind = TSkinRequestKind::UninstallThread, .ThreadId = threadId});
}
void TSkinData::UpdateSkinControl(TComponent* form, TComponent* control) {
    Send({.Kind = TSkinRequestKind::UpdateSkinControl, .Form = form, .Control = control});
}
void TSkinData::AddNestForm(TComponent* host, TComponent* nestedForm) {
    Send({.Kind = TSkinRequestKind::AddNestForm, .Form = host, .Control = nestedForm});
}
void TSkinData::UpdateMenu(TComponent* form) { Send({.Kind = TSkinRequestKind::UpdateMenu, .Form = form}); }
void TSkinData::UpdateMainMenu(bool flag) { Send({.Kind = TSkinRequestKind::UpdateMainMenu, .Flag = flag}); }
void TSkinData::DeleteGraphicControl(TComponent* form, TComponent* control) {
    Send({.Kind = TSkinRequestKind::DeleteGraphicControl, .Form = form, .Control = control});
}

// ---- callbacks ------------------------------------------------------------------------

void TSkinData::DoFormSkin(std::uintptr_t window, const std::string& className, bool& doSkin) {
    LastFormSkinWindow = window;
    if (OnFormSkin) {
        OnFormSkin(this, className, doSkin);
        return;
    }
    if (className == "SysMonthCal32")
        doSkin = false;
    else if (SkinControls.Contains(xcFastReport) && className.rfind("Tfr", 0) == 0)
        doSkin = false;
}

void TSkinData::DoSkinChanged() {
    if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::DoDebug(const std::string& text) {
    if (DebugLines) DebugLines->push_back(text);
}

void TSkinData::GetAppIcon() {
    Surface icon = ApplicationSmallIcon();
    if (!icon.Empty()) AppIcon = std::move(icon);
}

void TSkinData::CreateCaptionFont() { CaptionFont = SystemCaptionFont(); }

void TSkinData::ButtonFaceChanged() {
    DeleteFaceBrush(FaceBrush);
    FaceBrush = CreateFaceBrush(Colors[csButtonFace]);
}

}  // namespace skin
