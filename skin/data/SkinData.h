#pragma once
// TSkinData: the non-visual component that owns the skin. It reads the skin file into
// memory, opens the container, parses the description into the model (TSkinModel), and
// holds the switches that say which windows and controls are skinned. Its requests to
// the skin manager go through ISkinManagerRequests.
//
// Reading from a form: the form builder calls BeginReading(), sets the properties in
// stream order and then calls Loaded(). While reading, Active is only recorded and
// UpdateSkin does nothing; setting SkinFile (or SkinStream) parses the skin at once.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/Component.h"
#include "skin/data/SkinManagerRequests.h"
#include "skin/data/SkinModel.h"
#include "skin/data/SkinOptions.h"
#include "skin/data/SkinSystem.h"

namespace skin {

class TSkinStore;

// The 117 default lines of Skin3rd: other libraries' control classes and painter kinds.
const std::vector<std::string>& DefaultSkin3rd();

class TSkinData : public TComponent, public TSkinModel {
public:
    explicit TSkinData(TComponent* owner = nullptr);
    ~TSkinData() override;
    std::string ClassName() const override { return "TSkinData"; }

    // Published properties.
    bool Active() const { return active_; }
    void SetActive(bool value);
    int32_t DisableTag = 99;
    TSkinControlSet SkinControls = DefaultSkinControls;
    TSkinOptionSet Options = DefaultSkinOptions;
    std::vector<std::string> Skin3rd = DefaultSkin3rd();
    const std::string& SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::string& fileName) { LoadFromFile(fileName); }
    // "(Good)" at design time when a skin is embedded, otherwise "(none)"; writes ignored.
    std::string SkinStore() const;
    TSkinFormType SkinFormtype = sfMainform;
    static constexpr const char* Version = "4.50.01.03";
    bool MenuUpdate = true;
    bool MenuMerge = false;

    std::function<void(TSkinData* sender, const std::string& className, bool& doSkin)> OnFormSkin;
    std::function<void(TSkinData* sender)> OnSkinChanged;
    std::function<void(TComponent* sender, TSkinData* skinData, TComponent* form, TComponent* control,
                       const std::string& controlClass, TComponent*& skinnedControl)>
        OnSkinControl;
    std::function<void(TSkinData*sender, std::uintptr_t window, const std::string&className)> OnBeforeSkinForm,
        OnAfterSkinForm;

    // The embedded skin as the form stores it: a 32-bit little-endian length and that
    // many bytes of the skin file (length 0: none).
    std::vector<std::uint8_t> WriteSkinStream() const;
    // A positive length loads and parses the bytes (not while designing). A stream whose
    // length runs past its end is ignored.
    void ReadSkinStream(std::span<const std::uint8_t> stream);

    // Loading.
    void LoadFromFile(const std::string& fileName);  // UTF-8 name; relative to the current directory
    void LoadFromStream(std::span<const std::uint8_t> skinFile);
    void LoadFromCollection(TSkinStore* store, int index);
    bool LoadSkin();
    void UpdateSkin();
    void Loaded() override;

    // Requests to the skin manager.
    void SkinForm(std::uintptr_t window);
    void ChangeForm(TComponent* form);
    void Install();
    void Uninstall();
    void EnableSkin(bool flag);
    void InstallThread(std::uint32_t threadId);
    void UnInstallThread(std::uint32_t threadId);
    void UpdateSkinControl(TComponent* form, TComponent* control);
    void AddNestForm(TComponent* host, TComponent* nestedForm);
    void UpdateMenu(TComponent* form);
    void UpdateMainMenu(bool flag);
    void DeleteGraphicControl(TComponent* form, TComponent* control);

    // Callbacks and helpers.
    void DoFormSkin(std::uintptr_t window, const std::string& className, bool& doSkin);
    void DoSkinChanged();
    void DoDebug(const std::string& text);
    std::vector<std::string>* DebugLines = nullptr;  // attached by whoever wants the lines
    // Sets an enumerated published property (a Boolean, or a value name such as
    // "bsNone") of the object from its value name; other property kinds are ignored.
    static void ChangeProperty(TComponent* object, const std::string& propertyName, const std::string& value);
    void GetAppIcon();
    void CreateCaptionFont();

    // Component state.
    bool Designing() const { return designing_; }
    void SetDesigning(bool designing) { designing_ = designing; }
    bool Reading() const { return reading_; }
    void BeginReading() { reading_ = true; }

    // Owned data beside the model.
    Surface MenuGlyphs;  // restore, maximise, minimise, close; 16 x 16 each
    TSkinFont CaptionFont;
    Surface AppIcon;               // on magenta, which is transparent
    std::uintptr_t FaceBrush = 0;  // a brush of csButtonFace (0 without a window system)
    Point MaxWindowSize;
    TWinContainerSet Containers = DefaultWinContainers;
    std::uintptr_t LastFormSkinWindow = 0;  // the window of the last DoFormSkin
    const std::vector<std::uint8_t>& SkinBytes() const { return skinBytes_; }

protected:
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void ButtonFaceChanged() override;

private:
    void Send(TSkinRequest r);
    void Act(TSkinAction action);

    bool active_ = false;
    bool designing_ = false;
    bool reading_ = false;
    std::string skinFile_;
    std::vector<std::uint8_t> skinBytes_;
};

}  // namespace skin
