// LoadFromIni: the sections and keys of a skin description, in the order they are read.
#include <algorithm>
#include <cstdio>

#include "core/AsciiCase.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/QuickIni.h"
#include "skin/data/SkinBuiltins.h"
#include "skin/data/SkinModel.h"
#include "skin/platform/BmpReader.h"

namespace skin {

namespace {

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

}  // namespace

std::string SkinImageMemberName(const std::string& value) {
    // The file-name part: what follows the last path or drive separator.
    size_t cut = value.find_last_of("\\/:");
    std::string name = cut == std::string::npos ? value : value.substr(cut + 1);
    if (name.size() < 4 || name.compare(name.size() - 4, 4, ".bmp") != 0) return {};
    return name;
}

TSkinModel::TSkinModel()
    : Buttons(std::make_unique<TDataSkinButton>("Buttons")),
      Left(std::make_unique<TDataSkinObject>("Left")),
      Right(std::make_unique<TDataSkinObject>("Right")),
      Top(std::make_unique<TDataSkinObject>("Top")),
      Bottom(std::make_unique<TDataSkinObject>("Bottom")),
      Title(std::make_unique<TDataSkinTitle>("Title")) {
    CustomColors.fill(SkinClWhite);
}

TSkinModel::~TSkinModel() = default;

std::string TSkinModel::ReadString(const std::string& section, const std::string& key, const std::string& deflt) const {
    return ini_->ReadString(section, key, deflt);
}

int32_t TSkinModel::ReadInteger(const std::string& section, const std::string& key, int32_t deflt) const {
    return ini_->ReadInteger(section, key, deflt);
}

SkinColor TSkinModel::ReadColor(const std::string& section, const std::string& key, SkinColor deflt) const {
    return GetColor(ReadString(section, key), deflt);
}

Surface TSkinModel::ReadImage(const std::string& section, const std::string& key) {
    std::string member = SkinImageMemberName(ReadString(section, key));
    if (member.empty() || !*members_) return {};
    std::vector<std::uint8_t> bytes;
    if (!(*members_)(member, bytes) || bytes.empty()) return {};
    Surface image;
    try {
        image = ReadBmp(bytes);
    } catch (const Exception&) {
        return {};  // a damaged image is an absent one
    }
    const long long pixels = static_cast<long long>(image.Width()) * image.Height();
    if (decodedPixels_ + pixels > MaxSkinPixels) return {};
    decodedPixels_ += pixels;
    return image;
}

template <typename T>
std::unique_ptr<T> TSkinModel::ReadGeneric(const std::string& section, bool withFrame) {
    if (ReadString(section, "Image").empty()) return nullptr;
    auto e = std::make_unique<T>(section);
    e->Map = ReadImage(section, "Image");
    e->Style = ReadInteger(section, "Style", 0);
    e->LeftWidth = ReadInteger(section, "LeftWidth", 0);
    e->RightWidth = ReadInteger(section, "RightWidth", 0);
    e->TopHeight = ReadInteger(section, "TopHeight", 0);
    e->BottomHeight = ReadInteger(section, "BottomHeight", 0);
    if (withFrame) e->Frame = ReadInteger(section, "Frame", 0);
    e->Trans = ReadInteger(section, "Trans", 0);
    e->Tile = ReadInteger(section, "Tile", 0);
    if (e->Tile > 1) e->Tile = 0;
    e->NormalColour = ReadInteger(section, "NormalColour", -1);
    e->MouseOverColour = ReadInteger(section, "MouseOverColour", -1);
    e->PressedColour = ReadInteger(section, "PressedColour", -1);
    e->NormalColour2 = ReadColor(section, "NormalColour2", Colors[csButtonText]);
    e->MouseOverColour2 = ReadColor(section, "MouseOverColour2", Colors[csButtonText]);
    e->PressedColour2 = ReadColor(section, "PressedColour2", Colors[csButtonText]);
    return e;
}

void TSkinModel::LoadFromIni(const TQuickIni& ini, const SkinMemberLookup& members) {
    SkinEmpty = true;
    decodedPixels_ = 0;
    ini_ = &ini;
    members_ = &members;
    sections_.clear();
    ini.ReadSections(sections_);
    SkinName = ReadString("TitlebarSkin", "SkinName");

    ReadBorders();
    ReadColours();
    ReadSysButtons();

    ReadButtons();
    ReadTitle();
    ReadProgress();
    ProgressChunk = ReadGeneric<TDataSkinObject>("Progress.Chunk");
    ReadMenuBar();
    GroupBoxEdge = ReadGeneric<TDataSkinObject>("GroupBoxEdge");
    ReadGroupBox();
    Tabs = ReadGeneric<TDataSkinBorder>("Tabs", false);
    if (Tabs) Tabs->Map1 = ReadImage("Tabs", "Border");
    StatusBarEdges = ReadGeneric<TDataSkinObject>("StatusBarEdges");
    TabPane = ReadGeneric<TDataSkinObject>("Tab.Pane");
    if (TabPane) {
        for (int32_t* m : {&TabPane->LeftWidth, &TabPane->TopHeight, &TabPane->RightWidth, &TabPane->BottomHeight})
            *m = std::min(*m, int32_t{4});
    }
    ToolBars = ReadGeneric<TDataSkinObject>("ToolBars");
    ComboButton = ReadGeneric<TDataSkinBorder>("ComboButton", false);
    if (ComboButton) {
        ComboButton->Map1 = ReadImage("ComboButton", "****");
        if (!ComboButton->Map.Empty()) {
            ComboButton->Map1 = ComboButton->Map;
            SpiegelnHorizontal(ComboButton->Map1);
        }
    }
    SunkEdge = ReadGeneric<TDataSkinObject>("SunkEdge");

    ExtraImages = ReadGeneric<TDataSkinObject>("ExtraImages");
    Headerbar = ReadGeneric<TDataSkinObject>("Headerbar");
    MenuItem = ReadGeneric<TDataSkinObject>("MenuItem");
    MenuBackground = ReadGeneric<TDataSkinObject>("MenuBackground");
    Scrollbar = ReadGeneric<TDataSkinObject>("Scrollbar");
    HorzScroll = ReadGeneric<TDataSkinObject>("HorzScroll");
    VertScroll = ReadGeneric<TDataSkinObject>("VertScroll");
    HorzScrollThumb = ReadGeneric<TDataSkinObject>("HorzScrollThumb");
    VertScrollThumb = ReadGeneric<TDataSkinObject>("VertScrollThumb");
    TrackbarThumbHorz = ReadGeneric<TDataSkinObject>("Trackbar.ThumbHorz");
    TrackbarThumbVert = ReadGeneric<TDataSkinObject>("Trackbar.ThumbVert");
    TrackbarThumbLeft = ReadGeneric<TDataSkinObject>("Trackbar.ThumbLeft");
    TrackbarThumbRight = ReadGeneric<TDataSkinObject>("Trackbar.ThumbRight");
    TrackbarThumbUp = ReadGeneric<TDataSkinObject>("Trackbar.ThumbUp");
    TrackbarThumbDown = ReadGeneric<TDataSkinObject>("Trackbar.ThumbDown");
    UpDownHorz = ReadGeneric<TDataSkinBorder>("UpDown.Horz", false);
    if (UpDownHorz) UpDownHorz->Map1 = ReadImage("UpDown.Horz", "GlyphImage");
    UpDownVert = ReadGeneric<TDataSkinBorder>("UpDown.Vert", false);
    if (UpDownVert) UpDownVert->Map1 = ReadImage("UpDown.Vert", "GlyphImage");
    ReadTrackImages();
    if (HorzScrollThumb) HorzScrollThumb->Frame = ReadInteger("HorzScrollThumb", "FrameCount", 3);
    if (VertScrollThumb) VertScrollThumb->Frame = ReadInteger("VertScrollThumb", "FrameCount", 3);

    SetFrame();
    if (SunkEdge && ComboButton) ReBuildCombobox();
    ReBuildComboxArrow();
    RebuildToolbar();

    Colors[csCaption] = GetCaptionColor();
    ButtonFaceChanged();
    sections_.clear();
    ini_ = nullptr;
    members_ = nullptr;
    SkinEmpty = false;
}

void TSkinModel::ReadBorders() {
    const char* names[] = {"Left", "Right", "Top", "Bottom"};
    TDataSkinObject* borders[] = {Left.get(), Right.get(), Top.get(), Bottom.get()};
    for (int i = 0; i < 4; ++i) {
        std::string b = names[i];
        TDataSkinObject& e = *borders[i];
        e.Map = ReadImage("Personality", b);
        e.Frame = ReadInteger("Personality", b + "Frame", 1);
        e.Tile = std::min(ReadInteger("Personality", b + "Stretch", 1), int32_t{1});
        e.Trans = ReadInteger("Personality", b + "Trans", 1);
        int32_t first = ReadInteger("Personality", b + "TopHeight", 0);
        int32_t second = ReadInteger("Personality", b + "BotHeight", 0);
        if (i < 2) {  // side borders: fixed rows at the top and bottom
            e.TopHeight = first;
            e.BottomHeight = second;
            e.LeftWidth = e.RightWidth = 0;
        } else {  // top and bottom borders: fixed columns at the ends
            e.LeftWidth = first;
            e.RightWidth = second;
            e.TopHeight = e.BottomHeight = 0;
        }
    }
}

void TSkinModel::ReadColours() {
    const std::string s = "Colours";
    Colors[csText] = ReadColor(s, "WindowText", SkinClWindowText);
    Colors[csButtonFace] = ReadColor(s, "ButtonFace", SkinClBtnFace);
    Colors[csScrollbar] = ReadColor(s, "Scrollbar", SkinClScrollBar);
    Colors[csHilightText] = ReadColor(s, "HilightText", SkinClHighlightText);
    Colors[csHilight] = ReadColor(s, "Hilight", SkinClHighlight);
    Colors[csMenuBar] = ReadColor(s, "Menubar", Colors[csButtonFace]);
    Colors[csMenubg] = ReadColor(s, "Menu", SkinClMenu);
    Colors[csMenuText] = ReadColor(s, "MenuText", SkinClMenuText);
    Colors[csButtonText] = ReadColor(s, "ButtonText", SkinClBtnText);
    Colors[csButtonHilight] = ReadColor(s, "ButtonHilight", SkinClBtnHighlight);
    Colors[csButtonlight] = ReadColor(s, "Buttonlight", SkinClBtnHighlight);
    Colors[csButtonShadow] = ReadColor(s, "ButtonShadow", SkinClBtnShadow);
    Colors[csButtonDkshadow] = ReadColor(s, "ButtonDkShadow", SkinCl3DDkShadow);
    Colors[csMenuBarText] = ReadColor(s, "MenuBarText", SkinClMenuText);
    Colors[csTitleTextActive] = ReadColor(s, "TitleTextActive", SkinClCaptionText);
    Colors[csTitleTextNoActive] = ReadColor(s, "TitleTextNoActive", SkinClInactiveCaptionText);

    PreColors.clear();
    for (const std::string& name : sections_) {
        std::string up = AsciiUpper(name);
        if (StartsWith(up, "COLOUR") && up != "COLOURS")
            PreColors.push_back(ReadColor(name, "color", SkinClWindowText));
    }

    for (int i = 0; i < 10; ++i)
        CustomColors[static_cast<size_t>(i)] = ReadColor("Customcolors", "Color" + std::to_string(i), SkinClWhite);
}

void TSkinModel::ReadSysButtons() {
    SysButtons.clear();
    std::vector<std::string> kept;
    for (auto it = sections_.rbegin(); it != sections_.rend(); ++it) {
        std::string up = AsciiUpper(*it);
        if (!StartsWith(up, "BUTTON") || up == "BUTTONS" || up == "BUTTON" || up == "BUTTON.RADIO" ||
            up == "BUTTON.CHECKBOX")
            continue;
        if (ReadInteger(*it, "Action", 0) == -1 && ReadInteger(*it, "Visibility", -1) != 0) continue;
        kept.push_back(*it);
    }
    std::reverse(kept.begin(), kept.end());

    for (const std::string& section : kept) {
        auto b = std::make_unique<TDataSkinSysButton>(AsciiUpper(section));
        b->Action = ReadInteger(section, "Action", 0);
        b->Align = ReadInteger(section, "Align", 0);
        b->Xcoord = ReadInteger(section, "Xcoord", 0);
        b->Ycoord = ReadInteger(section, "Ycoord", 0);
        b->Visibility = ReadInteger(section, "Visibility", 0);
        b->Visibility1 = ReadInteger(section, "Visibility1", b->Action == -1 ? -1 : 0);
        b->CombineOp = ReadInteger(section, "CombineOp", -1);
        b->Frame = ReadInteger(section, "frame", 0);
        b->Map = ReadImage(section, "ButtonImage");
        if (b->Frame == 0) {
            b->Frame = 6;
            if (!b->Map.Empty()) {
                double ratio = static_cast<double>(b->Map.Width()) / b->Map.Height();
                b->Frame = ratio <= 3.8 ? 3 : 6;
            }
            if (b->Action < 0) b->Frame = 6;
            // These show the window's icon instead of an image.
            if (b->Action == 3 || b->Action == 11) b->Map = Surface();
        }
        SysButtons.push_back(std::move(b));
    }

    // The MDI-child buttons: minimise, restore and close of the maximised child.
    Surface mdi = ReadImage("MDICONTROLS", "Image");
    const int w = mdi.Width() / 12;
    for (int i = 0; i < 3; ++i) {
        std::string name = "MDICONTROLS";
        name += static_cast<char>('0' + i);
        auto b = std::make_unique<TDataSkinSysButton>(name);
        b->Action = 7 + i;
        b->Align = b->Visibility = b->Visibility1 = 100;
        b->Frame = 4;
        if (!mdi.Empty() && w > 0) {
            b->Map = mdi.Cut(Rect{4 * w * i, 0, 4 * w * (i + 1), mdi.Height()});
            b->Xcoord = (w + 4) * (3 - i);
        }
        SysButtons.push_back(std::move(b));
    }
}

void TSkinModel::ReadButtons() {
    const std::string s = "Buttons";
    TDataSkinButton& b = *Buttons;
    b.LeftWidth = ReadInteger(s, "LeftWidth", 0);
    b.RightWidth = ReadInteger(s, "RightWidth", 0);
    b.TopHeight = ReadInteger(s, "TopHeight", 0);
    b.BottomHeight = ReadInteger(s, "BottomHeight", 0);
    b.Trans = ReadInteger(s, "Trans", 0);
    b.Tile = ReadInteger(s, "Tile", 0);
    b.Map = ReadImage(s, "Bitmap");
    b.CheckMap = ReadImage(s, "CheckButton");
    b.RadioMap = ReadImage(s, "RadioButton");
    b.NormalColour = ReadInteger(s, "NormalColour", -1);
    b.MouseOverColour = ReadInteger(s, "MouseOverColour", -1);
    b.PressedColour = ReadInteger(s, "PressedColour", -1);
    b.RadioButtonFrame = ReadInteger(s, "RadioButtonFrame", 0);
    b.CheckButtonFrame = ReadInteger(s, "CheckButtonFrame", 0);
    std::string c1 = ReadString(s, "NormalColour2");
    std::string c2 = ReadString(s, "MouseOverColour2");
    std::string c3 = ReadString(s, "PressedColour2");
    b.HasNormalColour2 = !c1.empty();
    b.HasMouseOverColour2 = !c2.empty();
    b.HasPressedColour2 = !c3.empty();
    b.NormalColour2 = GetColor(c1, Colors[csButtonText]);
    b.MouseOverColour2 = GetColor(c2, Colors[csButtonText]);
    b.PressedColour2 = GetColor(c3, Colors[csButtonText]);
    b.Style = 0;
    b.Frame = 0;
}

void TSkinModel::ReadTitle() {
    const std::string s = "Personality";
    TDataSkinTitle& t = *Title;
    t.Map = ReadImage(s, "TextBack");
    t.TextShift = ReadInteger(s, "TextShift", 0);
    t.TextShiftVert = ReadInteger(s, "TextShiftVert", 0);
    t.TextRightClip = ReadInteger(s, "TextRightClip", 0);
    t.TextAlignment = ReadInteger(s, "TextAlignment", 0);
    t.Textbackground = ReadInteger(s, "Textbackground", 0);
    t.TXTBackleft = ReadInteger(s, "TXTBackleft", 0);
    t.TXTBackRight = ReadInteger(s, "TXTBackRight", 0);
    // A caption colour counts as given when any of its three channels is given.
    auto channels = [&](const std::string& key) {
        int32_t r = ReadInteger(s, key + "R", -1);
        int32_t g = ReadInteger(s, key + "G", -1);
        int32_t b = ReadInteger(s, key + "B", -1);
        if (r < 0 && g < 0 && b < 0) return SkinClNone;
        return SkinRGB(static_cast<uint32_t>(std::max(r, 0)), static_cast<uint32_t>(std::max(g, 0)),
                       static_cast<uint32_t>(std::max(b, 0)));
    };
    t.ActiveTextColor = channels("ActiveText");
    t.InactiveTextColor = channels("InActiveText");
    t.FontHeight = ReadInteger("Fonts", "FontHeight", 14);
}

void TSkinModel::ReadProgress() {
    const std::string s = "Progress";
    Progress.reset();
    if (ReadString(s, "Bitmap").empty()) return;
    auto p = std::make_unique<TDataSkinBorder>(s);
    p->Map = ReadImage(s, "Bitmap");
    p->Style = ReadInteger(s, "Style", 0);
    p->LeftWidth = ReadInteger(s, "LeftWidth", 0);
    p->RightWidth = ReadInteger(s, "RightWidth", 0);
    p->TopHeight = ReadInteger(s, "TopHeight", 0);
    p->BottomHeight = ReadInteger(s, "BottomHeight", 0);
    p->Trans = ReadInteger(s, "Trans", 0);
    p->Tile = std::min(ReadInteger(s, "Tile", 0), int32_t{1});
    p->NormalColour2 = p->MouseOverColour2 = p->PressedColour2 = Colors[csButtonText];
    Progress = std::move(p);
}

void TSkinModel::ReadMenuBar() {
    const std::string s = "Personality";
    MenuBar.reset();
    if (ReadString(s, "menuBar").empty()) return;
    auto m = std::make_unique<TDataSkinObject>(s);
    m->Map = ReadImage(s, "menuBar");
    m->Tile = ReadInteger(s, "TileMenu", 1);
    m->LeftWidth = ReadInteger(s, "TileLeftMenu", 1);
    m->RightWidth = ReadInteger(s, "TileRightMenu", 1);
    m->NormalColour2 = m->MouseOverColour2 = m->PressedColour2 = Colors[csButtonText];
    MenuBar = std::move(m);
}

void TSkinModel::ReadGroupBox() {
    GroupBox = ReadGeneric<TDataSkinBoxLabel>("GroupBox", false);
    if (!GroupBox) return;
    GroupBox->BackgroundAlignment = ReadInteger("GroupBox", "BackgroundAlignment", 0);
    GroupBox->BackgroundLeftShift = ReadInteger("GroupBox", "BackgroundLeftShift", 0);
    GroupBox->BackgroundRightShift = ReadInteger("GroupBox", "BackgroundRightShift", 0);
}

void TSkinModel::ReadTrackImages() {
    Track = ReadGeneric<TDataSkinObject>("Track");
    TrackVert = ReadGeneric<TDataSkinObject>("TRACKVERT");
    auto builtin = [&](const char* name, Surface image) {
        auto e = std::make_unique<TDataSkinObject>(name);
        e->Map = std::move(image);
        e->LeftWidth = e->TopHeight = e->RightWidth = e->BottomHeight = 3;
        e->Tile = 0;
        e->Frame = 1;
        e->NormalColour2 = e->MouseOverColour2 = e->PressedColour2 = Colors[csButtonText];
        return e;
    };
    if (!Track) Track = builtin("Track", BuiltinTrackImage());
    if (!TrackVert) TrackVert = builtin("TRACKVERT", BuiltinTrackVertImage());
}

int TSkinModel::GetSectionNum(const std::string& prefix, const std::string& key) const {
    if (!ini_) return 0;
    int n = 0;
    // The number is appended in decimal: prefix0, prefix1, ...; no run can be longer than
    // the description has sections.
    for (size_t i = 0; i <= sections_.size(); ++i) {
        if (ReadString(prefix + std::to_string(i), key).empty()) break;
        ++n;
    }
    return n;
}

bool TSkinModel::GetPrecolor(SkinColor& colour, int index) const {
    if (index < 0 || index >= static_cast<int>(PreColors.size())) return false;
    colour = PreColors[static_cast<size_t>(index)];
    return true;
}

SkinColor TSkinModel::GetCaptionColor() const {
    const Surface& map = Top->Map;
    if (map.Empty()) return Colors[csButtonFace];
    int frames = std::max(Top->Frame, int32_t{1});
    int cellHeight = map.Height() / frames;
    return PixelToColor(map.At(map.Width() / 3, cellHeight / 3));
}

}  // namespace skin
