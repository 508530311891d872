#pragma once
// One parsed skin: the fixed set of elements, the colour scheme, the caption buttons and
// the images made from them. LoadFromIni turns a skin description (and the images it
// names) into this; the skin data component owns one and the painters read it.
//
// Parsing never fails: a missing section, key or image falls back to its default, a
// missing generic element is simply absent (nullptr), and the always-present elements
// (the four borders, Title, Buttons) keep empty images.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "skin/data/SkinColors.h"
#include "skin/data/SkinObjects.h"

class TQuickIni;

namespace skin {

// Gives the bytes of a skin-file member by name (false, or an empty result, when absent).
using SkinMemberLookup = std::function<bool(const std::string& name, std::vector<std::uint8_t>& out)>;

class TSkinModel {
public:
    TSkinModel();
    virtual ~TSkinModel();
    TSkinModel(const TSkinModel&) = delete;
    TSkinModel& operator=(const TSkinModel&) = delete;

    // Reads every element, colour and caption button from the description; images are
    // fetched through `members`. Each reader first frees the element it is about to fill.
    void LoadFromIni(const TQuickIni& ini, const SkinMemberLookup& members);

    // The colour of the pixel at (width / 3, cell height / 3) of the Top border's first
    // cell; csButtonFace when there is no Top image.
    SkinColor GetCaptionColor() const;
    // How many of the sections prefix0, prefix1, ... in a row have a non-empty value for
    // key. Answers only while a description is being parsed (0 otherwise).
    int GetSectionNum(const std::string& prefix, const std::string& key) const;
    // False when index is outside PreColors; else the colour.
    bool GetPrecolor(SkinColor& colour, int index) const;

    // The always-present elements.
    std::unique_ptr<TDataSkinButton> Buttons;
    std::unique_ptr<TDataSkinObject> Left, Right, Top, Bottom;  // Top, Bottom: cells stacked
    std::unique_ptr<TDataSkinTitle> Title;

    // Elements present only when the skin defines them.
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> ProgressChunk;  // "Progress.Chunk"
    std::unique_ptr<TDataSkinObject> MenuBar;        // named "Personality"; cells stacked
    std::unique_ptr<TDataSkinObject> GroupBoxEdge;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinBorder> Tabs;  // Map1: the pane border
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinObject> TabPane;  // "Tab.Pane"
    std::unique_ptr<TDataSkinObject> ToolBars;
    std::unique_ptr<TDataSkinBorder> ComboButton;  // Map1: its left-right mirror
    std::unique_ptr<TDataSkinObject> SunkEdge;
    std::unique_ptr<TDataSkinObject> ExtraImages;
    std::unique_ptr<TDataSkinObject> Headerbar;
    std::unique_ptr<TDataSkinObject> MenuItem;
    std::unique_ptr<TDataSkinObject> MenuBackground;
    std::unique_ptr<TDataSkinObject> Scrollbar;
    std::unique_ptr<TDataSkinObject> HorzScroll, VertScroll;
    std::unique_ptr<TDataSkinObject> HorzScrollThumb, VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackbarThumbHorz, TrackbarThumbVert, TrackbarThumbLeft, TrackbarThumbRight,
        TrackbarThumbUp, TrackbarThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz, UpDownVert;  // Map1: GlyphImage
    std::unique_ptr<TDataSkinObject> Track, TrackVert;        // "Track", "TRACKVERT"
    // Made from the others after parsing.
    std::unique_ptr<TDataSkinObject> Toolbar;      // the tool-bar gradient
    std::unique_ptr<TDataSkinObject> ComboxArrow;  // the date-time picker's arrow cells

    // Caption buttons: one per kept BUTTON section in file order, then the three MDI-child
    // buttons (minimise, restore, close).
    std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

    TShemeColors Colors{};
    std::vector<SkinColor> PreColors;  // the numbered COLOUR sections
    std::array<SkinColor, 10> CustomColors{};
    std::string SkinName;

    // True from the start of a load until LoadFromIni completes (and before any load).
    bool SkinEmpty = true;

protected:
    // Called when the button-face colour may have changed (the component recreates its
    // brush there).
    virtual void ButtonFaceChanged() {}

private:
    void ReadBorders();
    void ReadColours();
    void ReadSysButtons();
    void ReadButtons();
    void ReadTitle();
    void ReadProgress();
    void ReadMenuBar();
    void ReadGroupBox();
    void ReadTrackImages();
    void SetFrame();
    void ReBuildCombobox();
    void ReBuildComboxArrow();
    void RebuildToolbar();

    // The generic keys of one section into a new element; nullptr when the section has no
    // Image. withFrame = false leaves Frame 0 (the count comes from SetFrame).
    template <typename T>
    std::unique_ptr<T> ReadGeneric(const std::string& section, bool withFrame = true);
    Surface ReadImage(const std::string& section, const std::string& key);
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& deflt = std::string()) const;
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t deflt) const;
    SkinColor ReadColor(const std::string& section, const std::string& key, SkinColor deflt) const;

    // Valid only inside LoadFromIni.
    long long decodedPixels_ = 0;
    const TQuickIni* ini_ = nullptr;
    const SkinMemberLookup* members_ = nullptr;
    std::vector<std::string> sections_;
};

// All images of one skin together hold at most this many pixels (128 MB); images past the
// budget are treated as damaged, so that a hostile file cannot exhaust memory by naming
// one huge image from every section.
inline constexpr long long MaxSkinPixels = 1LL << 25;

// The file-name part of an image name when it ends in exactly ".bmp", else empty.
std::string SkinImageMemberName(const std::string& value);

}  // namespace skin
