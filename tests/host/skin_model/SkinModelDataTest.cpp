// TSkinData: published properties and defaults, loading, the Active setter table and
// the requests it makes of the skin manager.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "SkinModelTestUtil.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStore.h"

using namespace skin;
using namespace skintest;

namespace {

// Records every request, in order, and plays a manager that exists once asked to.
class RecordingManager : public ISkinManagerRequests {
public:
    std::vector<TSkinRequest> Requests;
    bool Exists = false;
    bool Running = false;

    bool ManagerExists() const override { return Exists; }
    bool SkinningRunning() const override { return Running; }
    void Request(const TSkinRequest& r) override {
        Requests.push_back(r);
        if (r.Kind == TSkinRequestKind::CreateManager) Exists = true;
        if (r.Kind == TSkinRequestKind::SetRunning) Running = r.Flag;
    }

    std::vector<TSkinRequestKind> Kinds() const {
        std::vector<TSkinRequestKind> k;
        for (const auto& r : Requests) k.push_back(r.Kind);
        return k;
    }
    int Count(TSkinAction a) const {
        int n = 0;
        for (const auto& r : Requests)
            if (r.Kind == TSkinRequestKind::Action && r.Action == a) ++n;
        return n;
    }
};

class SkinModelData : public ::testing::Test {
protected:
    void SetUp() override { SetSkinManagerRequests(&manager); }
    void TearDown() override { SetSkinManagerRequests(nullptr); }

    // A parsed skin for the component: a small but complete file.
    static std::vector<std::uint8_t> SmallSkin() {
        Members files;
        files.Add("top.bmp", Solid(60, 40, MakePixel(1, 2, 3)));
        return files.SkinFile(
            "[TitlebarSkin]\nSkinName=Small\n[Personality]\nTop=top.bmp\nTopFrame=2\n"
            "[Colours]\nButtonFace=1 2 3\n[MenuItem]\nImage=top.bmp\n");
    }

    RecordingManager manager;
};

using K = TSkinRequestKind;

}  // namespace

TEST_F(SkinModelData, DefaultsOfThePublishedProperties) {
    TSkinData d;
    EXPECT_EQ(d.ClassName(), "TSkinData");
    EXPECT_FALSE(d.Active());
    EXPECT_EQ(d.DisableTag, 99);
    EXPECT_EQ(d.SkinControls.Bits(), 0x1FFFFBu);
    EXPECT_FALSE(d.SkinControls.Contains(xcMenuItem));
    EXPECT_FALSE(d.SkinControls.Contains(xcFastReport));
    EXPECT_TRUE(d.SkinControls.Contains(xcSystemMenu));
    EXPECT_EQ(d.Options, (TSkinOptionSet{xoPreview, xoToolbarBK}));
    EXPECT_EQ(d.SkinFile(), "");
    EXPECT_EQ(d.SkinStore(), "(none)");
    EXPECT_EQ(d.SkinFormtype, sfMainform);
    EXPECT_STREQ(TSkinData::Version, "4.50.01.03");
    EXPECT_TRUE(d.MenuUpdate);
    EXPECT_FALSE(d.MenuMerge);
    EXPECT_EQ(d.Containers.Bits(), 0x3FFu);
    EXPECT_TRUE(d.SkinEmpty);
    EXPECT_EQ(d.WriteSkinStream(), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    // The always-present elements exist with empty images; the menu glyphs are built.
    ASSERT_NE(d.Buttons, nullptr);
    EXPECT_TRUE(d.Top->Map.Empty());
    EXPECT_EQ(d.MenuGlyphs.Width(), 64);
    EXPECT_EQ(d.MenuGlyphs.Height(), 16);
    EXPECT_TRUE(manager.Requests.empty());  // creating asks nothing of the manager
}

TEST_F(SkinModelData, DefaultSkin3rdList) {
    const auto& l = DefaultSkin3rd();
    ASSERT_EQ(l.size(), 117u);
    EXPECT_EQ(l.front(), "TCategoryButtons=scrollbar");
    EXPECT_EQ(l[1], "TPngBitBtn=pngbitbtn");
    EXPECT_EQ(l.back(), "TOVCDBNUMERICFIELD=Edit");
    // Counts per kind, letter case ignored, as the groups of the list have them.
    std::map<std::string, int> kinds;
    for (const auto& line : l) {
        auto eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        std::string k = line.substr(eq + 1);
        for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        ++kinds[k];
    }
    EXPECT_EQ(kinds["combobox"], 39);
    EXPECT_EQ(kinds["edit"], 26);
    EXPECT_EQ(kinds["panel"], 15);
    EXPECT_EQ(kinds["scrollbar"], 10);
    EXPECT_EQ(kinds["radiogroup"], 7);
    EXPECT_EQ(kinds["checkbox"], 4);
    EXPECT_EQ(kinds["speedbutton"], 3);
    EXPECT_EQ(kinds["bitbtn"], 3);
    EXPECT_EQ(kinds["checkgroup"], 3);
    EXPECT_EQ(kinds["radiobutton"], 2);
    EXPECT_EQ(kinds["groupbox"], 2);
    EXPECT_EQ(kinds["pngbitbtn"], 1);
    EXPECT_EQ(kinds["button"], 1);
    EXPECT_EQ(kinds["menubtn"], 1);
    EXPECT_EQ(std::count(l.begin(), l.end(), "TLMDFontSizeCombobox=combobox"), 2);
    EXPECT_EQ(std::count(l.begin(), l.end(), "TWWDBCombobox=combobox"), 2);
    EXPECT_EQ(std::count(l.begin(), l.end(), "TDBCheckboxEh=Checkbox"), 2);
    TSkinData d;
    EXPECT_EQ(d.Skin3rd, l);
}

TEST_F(SkinModelData, PropertiesByName) {
    TSkinData d;
    EXPECT_EQ(d.GetProperty("Version").StringValue(), "4.50.01.03");
    d.SetProperty("Version", Variant("1.0"));  // display only
    EXPECT_EQ(d.GetProperty("Version").StringValue(), "4.50.01.03");
    d.SetProperty("SkinStore", Variant("(Good)"));
    EXPECT_EQ(d.GetProperty("SkinStore").StringValue(), "(none)");
    EXPECT_EQ(d.GetProperty("Options").StringValue(), "[xoPreview,xoToolbarBK]");
    d.SetProperty("Options", Variant("[xoMenuBG, xoNoFocusRect]"));
    EXPECT_EQ(d.Options, (TSkinOptionSet{xoMenuBG, xoNoFocusRect}));
    d.SetProperty("SkinControls", Variant("[]"));
    EXPECT_EQ(d.SkinControls.Bits(), 0u);
    d.SetProperty("SkinControls", Variant(int32_t{0x1FFFFB}));
    EXPECT_EQ(d.SkinControls, DefaultSkinControls);
    EXPECT_THROW(d.SetProperty("Options", Variant("[xoNothing]")), Exception);
    d.SetProperty("SkinFormtype", Variant("sfDialog"));
    EXPECT_EQ(d.SkinFormtype, sfDialog);
    EXPECT_EQ(d.GetProperty("SkinFormtype").StringValue(), "sfDialog");
    d.SetProperty("DisableTag", Variant(int32_t{7}));
    EXPECT_EQ(d.DisableTag, 7);
    d.SetProperty("MenuMerge", Variant(true));
    EXPECT_TRUE(d.MenuMerge);
    d.SetProperty("Skin3rd", Variant("TA=edit\r\nTB=panel\nTC=button"));
    EXPECT_EQ(d.Skin3rd, (std::vector<std::string>{"TA=edit", "TB=panel", "TC=button"}));
    EXPECT_EQ(d.GetProperty("Skin3rd").StringValue(), "TA=edit\r\nTB=panel\r\nTC=button\r\n");
}

TEST_F(SkinModelData, ReadingFromTheFormThenLoaded) {
    // The main window's settings: Active true, the skin embedded here instead of a file.
    TSkinData d;
    d.BeginReading();
    d.SetProperty("Active", Variant(true));
    EXPECT_TRUE(d.Active());
    std::vector<std::uint8_t> skin = SmallSkin();
    std::vector<std::uint8_t> stream = {0, 0, 0, 0};
    const auto n = static_cast<std::uint32_t>(skin.size());
    for (int i = 0; i < 4; ++i) stream[static_cast<size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
    stream.insert(stream.end(), skin.begin(), skin.end());
    d.ReadSkinStream(stream);
    EXPECT_FALSE(d.SkinEmpty);
    EXPECT_EQ(d.SkinName, "Small");
    EXPECT_TRUE(manager.Requests.empty());  // nothing is asked while reading
    d.SkinControls.Include(xcMenuItem);
    d.Loaded();
    EXPECT_FALSE(d.Reading());
    EXPECT_TRUE(d.Active());
    EXPECT_EQ(manager.Kinds(), (std::vector<K>{K::CreateManager, K::Register, K::InstallHook, K::Action}));
    EXPECT_EQ(manager.Requests.back().Action, TSkinAction::Install);
    EXPECT_EQ(manager.Requests.back().DelayMs, 250);
    EXPECT_EQ(manager.Requests.back().Sender, &d);
    // With the menu bar skinned, owner-drawn menu items are off.
    EXPECT_FALSE(d.SkinControls.Contains(xcMenuItem));
    EXPECT_TRUE(d.SkinControls.Contains(xcSystemMenu));
    EXPECT_EQ(d.CaptionFont, SystemCaptionFont());
    EXPECT_EQ(d.WriteSkinStream(), stream);
}

TEST_F(SkinModelData, LoadedWithoutASkinRunsUnskinned) {
    TSkinData d;
    d.BeginReading();
    d.SetActive(true);
    d.SetSkinFile("no such skin.skn");
    d.SkinControls.Exclude(xcMainMenu);
    d.Loaded();
    EXPECT_FALSE(d.Active());
    EXPECT_EQ(d.SkinFile(), "no such skin.skn");
    EXPECT_EQ(manager.Count(TSkinAction::Install), 0);
    EXPECT_FALSE(d.SkinControls.Contains(xcSystemMenu));  // no skinned bar: no skinned system menu
}

TEST_F(SkinModelData, LoadedForOtherFormTypes) {
    TComponent owner;
    auto* d = new TSkinData(&owner);
    d->SkinFormtype = sfOnlyThisForm;
    d->BeginReading();
    d->SetActive(true);
    d->Loaded();
    EXPECT_EQ(manager.Kinds(),
              (std::vector<K>{K::CreateManager, K::Register, K::EnableSkin, K::AddUser, K::SkinWindowNow}));
    EXPECT_TRUE(manager.Requests[2].Flag);
    EXPECT_EQ(manager.Requests[4].Form, &owner);
    EXPECT_TRUE(d->SkinControls.Contains(xcSystemMenu));  // only the main form adjusts the set
}

TEST_F(SkinModelData, ActiveSetterTable) {
    std::vector<std::uint8_t> skin = SmallSkin();
    struct Case {
        TSkinFormType type;
        bool parsed;
        std::vector<K> toTrue, toFalse;
        TSkinAction trueAction;
    };
    const Case cases[] = {
        {sfMainform, true, {K::SetCurrent, K::Action, K::SetRunning}, {K::SetCurrent, K::Action}, TSkinAction::Install},
        {sfMainform, false, {}, {K::SetCurrent, K::Action}, TSkinAction::Install},
        {sfOnlyThisForm, true, {K::SetCurrent, K::Action}, {K::SetCurrent, K::Action}, TSkinAction::Install},
        {sfOnlyThisForm, false, {K::SetCurrent}, {K::SetCurrent, K::Action}, TSkinAction::Install},
        {sfDialog, true, {}, {}, TSkinAction::Install},
        {sfDLL, true, {}, {}, TSkinAction::Install},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(SkinFormTypeName(c.type)) + (c.parsed ? " parsed" : " not parsed"));
        TSkinData d;
        d.SkinFormtype = c.type;
        if (c.parsed) d.LoadFromStream(skin);
        manager.Requests.clear();
        d.SetActive(true);
        EXPECT_TRUE(d.Active());
        EXPECT_EQ(manager.Kinds(), c.toTrue);
        for (const auto& r : manager.Requests)
            if (r.Kind == K::Action) {
                EXPECT_EQ(r.Action, TSkinAction::Install);
                EXPECT_EQ(r.DelayMs, 250);
            }
        manager.Requests.clear();
        d.SetActive(true);  // no change: nothing happens
        EXPECT_TRUE(manager.Requests.empty());
        d.SetActive(false);
        EXPECT_EQ(manager.Kinds(), c.toFalse);
        for (const auto& r : manager.Requests)
            if (r.Kind == K::Action) {
                EXPECT_EQ(r.Action, TSkinAction::Remove);
                EXPECT_EQ(r.DelayMs, 250);
            }
        manager.Requests.clear();
    }
}

TEST_F(SkinModelData, ActiveIsOnlyRecordedWhileDesigningOrReading) {
    TSkinData d;
    d.LoadFromStream(SmallSkin());
    manager.Requests.clear();
    d.SetDesigning(true);
    d.SetActive(true);
    EXPECT_TRUE(d.Active());
    EXPECT_TRUE(manager.Requests.empty());
    d.SetDesigning(false);
    d.BeginReading();
    d.SetActive(false);
    EXPECT_FALSE(d.Active());
    EXPECT_TRUE(manager.Requests.empty());
}

TEST_F(SkinModelData, LoadingFromFileAsksForTheSkinToBeReapplied) {
    auto dir = std::filesystem::temp_directory_path() / "lorvena-skin-model-test";
    std::filesystem::create_directories(dir);
    auto path = (dir / "Small.skn").string();
    {
        std::vector<std::uint8_t> bytes = SmallSkin();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    TSkinData d;
    d.LoadFromFile(path);
    EXPECT_EQ(d.SkinFile(), path);
    EXPECT_EQ(d.SkinName, "Small");
    EXPECT_EQ(d.Colors[csButtonFace], SkinRGB(1, 2, 3));
    ASSERT_NE(d.MenuItem, nullptr);
    // UpdateSkin: no manager yet, so Loaded runs first; then the skin is made current and
    // the caption buttons dropped; skinning is not running, so no skin-changed action.
    EXPECT_EQ(manager.Kinds(),
              (std::vector<K>{K::CreateManager, K::Register, K::InstallHook, K::SetCurrent, K::DropCaptionButtons}));
    manager.Requests.clear();
    manager.Running = true;
    d.LoadFromFile(path);
    EXPECT_EQ(manager.Kinds(), (std::vector<K>{K::SetCurrent, K::DropCaptionButtons, K::Action}));
    EXPECT_EQ(manager.Requests.back().Action, TSkinAction::SkinChanged);
    EXPECT_EQ(manager.Requests.back().DelayMs, 250);

    // A missing file keeps the skin that is there.
    manager.Requests.clear();
    d.LoadFromFile((dir / "missing.skn").string());
    EXPECT_EQ(d.SkinName, "Small");
    EXPECT_FALSE(d.SkinEmpty);
    EXPECT_TRUE(manager.Requests.empty());
    std::filesystem::remove_all(dir);
}

TEST_F(SkinModelData, DamagedSkinBytesLeaveNoParsedSkin) {
    TSkinData d;
    d.SkinFormtype = sfDialog;
    d.LoadFromStream(std::vector<std::uint8_t>{1, 2, 3});
    EXPECT_TRUE(d.SkinEmpty);
    EXPECT_TRUE(manager.Requests.empty());  // only the main form's stream load updates
    d.LoadFromStream(SmallSkin());
    EXPECT_FALSE(d.SkinEmpty);
    d.LoadFromStream(std::vector<std::uint8_t>{});
    EXPECT_TRUE(d.SkinEmpty);
    // A skin stream whose length runs past its end is ignored.
    d.ReadSkinStream(std::vector<std::uint8_t>{100, 0, 0, 0, 1, 2});
    EXPECT_EQ(d.SkinBytes().size(), 0u);
    d.ReadSkinStream(std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(d.SkinBytes().size(), 0u);
}

TEST_F(SkinModelData, LoadFromCollection) {
    TSkinStore store;
    TSkinCollectionItem& a = store.Add();
    TSkinCollectionItem& b = store.Add();
    EXPECT_EQ(a.Name(), "SkinItem0");
    EXPECT_EQ(b.Name(), "SkinItem1");
    b.SetDataStream(SmallSkin());
    EXPECT_EQ(b.DataSize(), static_cast<int32_t>(SmallSkin().size()));
    try {
        a.SetName("SkinItem1");
        FAIL() << "a duplicate name was accepted";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "The name SkinItem1 is already used.");
    }
    a.SetName("Light");
    EXPECT_EQ(a.Name(), "Light");

    TSkinData d;
    manager.Exists = true;
    d.LoadFromCollection(&store, 2);  // beyond the items: nothing
    d.LoadFromCollection(&store, -1);
    EXPECT_TRUE(d.SkinEmpty);
    EXPECT_TRUE(manager.Requests.empty());
    d.LoadFromCollection(&store, 1);
    EXPECT_EQ(d.SkinName, "Small");
    EXPECT_EQ(manager.Kinds(), (std::vector<K>{K::SetCurrent, K::DropCaptionButtons}));
}

TEST_F(SkinModelData, RequestsCarryTheirArguments) {
    TSkinData d;
    TComponent form, control;
    d.SkinForm(0x1234);
    d.ChangeForm(&form);
    d.Install();
    d.Uninstall();
    d.EnableSkin(false);
    d.InstallThread(77);
    d.UnInstallThread(78);
    d.UpdateSkinControl(&form, nullptr);
    d.AddNestForm(&form, &control);
    d.UpdateMenu(&form);
    d.UpdateMainMenu(true);
    d.DeleteGraphicControl(&form, &control);
    ASSERT_EQ(manager.Requests.size(), 12u);
    const auto& r = manager.Requests;
    EXPECT_EQ(r[0].Kind, K::SkinWindowNow);
    EXPECT_EQ(r[0].Window, 0x1234u);
    EXPECT_EQ(r[0].DelayMs, 0);  // at once, outside the deferred scheme
    EXPECT_EQ(r[1].Action, TSkinAction::ReskinWindow);
    EXPECT_EQ(r[1].Form, &form);
    EXPECT_EQ(r[1].DelayMs, 250);
    EXPECT_EQ(r[2].Action, TSkinAction::Install);
    EXPECT_EQ(r[3].Action, TSkinAction::Remove);
    EXPECT_EQ(r[4].Kind, K::EnableSkin);
    EXPECT_FALSE(r[4].Flag);
    EXPECT_EQ(r[5].ThreadId, 77u);
    EXPECT_EQ(r[6].Kind, K::UninstallThread);
    EXPECT_EQ(r[7].Control, nullptr);
    EXPECT_EQ(r[8].Control, &control);
    EXPECT_EQ(r[9].Kind, K::UpdateMenu);
    EXPECT_TRUE(r[10].Flag);
    EXPECT_EQ(r[11].Kind, K::DeleteGraphicControl);
    for (const auto& q : r) EXPECT_EQ(q.Sender, &d);
}

TEST_F(SkinModelData, DestructionUnregisters) {
    { TSkinData d; }
    ASSERT_EQ(manager.Requests.size(), 1u);
    EXPECT_EQ(manager.Requests[0].Kind, K::Unregister);
}

TEST_F(SkinModelData, DoFormSkinDecides) {
    TSkinData d;
    bool skin = true;
    d.DoFormSkin(0x10, "SysMonthCal32", skin);
    EXPECT_FALSE(skin);
    EXPECT_EQ(d.LastFormSkinWindow, 0x10u);
    skin = true;
    d.DoFormSkin(0x11, "TfrPreviewForm", skin);
    EXPECT_TRUE(skin);  // report windows are vetoed only with xcFastReport
    d.SkinControls.Include(xcFastReport);
    d.DoFormSkin(0x11, "TfrPreviewForm", skin);
    EXPECT_FALSE(skin);
    skin = false;
    d.DoFormSkin(0x12, "TForm1", skin);
    EXPECT_FALSE(skin);  // left as the caller set it
    std::string asked;
    d.OnFormSkin = [&](TSkinData*, const std::string& name, bool& doSkin) {
        asked = name;
        doSkin = true;
    };
    d.DoFormSkin(0x13, "SysMonthCal32", skin);
    EXPECT_TRUE(skin);
    EXPECT_EQ(asked, "SysMonthCal32");
    EXPECT_EQ(d.LastFormSkinWindow, 0x13u);
}

TEST_F(SkinModelData, EventsAndDebugLines) {
    TSkinData d;
    int changed = 0;
    d.DoSkinChanged();
    d.OnSkinChanged = [&](TSkinData* s) { changed += s == &d; };
    d.DoSkinChanged();
    EXPECT_EQ(changed, 1);
    d.DoDebug("lost");
    std::vector<std::string> lines;
    d.DebugLines = &lines;
    d.DoDebug("one");
    EXPECT_EQ(lines, std::vector<std::string>{"one"});
}

namespace {

class Widget : public TComponent {
public:
    bool flat = false;
    std::string kind = "bkCustom";
    std::string caption = "Hello";

protected:
    void DefineProperties(std::vector<TPublishedProperty>& props) const override {
        TComponent::DefineProperties(props);
        auto self = [](TComponent& c) -> Widget& { return static_cast<Widget&>(c); };
        auto cself = [](const TComponent& c) -> const Widget& { return static_cast<const Widget&>(c); };
        props.push_back({"Flat", [=](const TComponent& c) { return Variant(cself(c).flat); },
                         [=](TComponent& c, const Variant& v) { self(c).flat = v.BoolValue(); }});
        props.push_back({"Kind", [=](const TComponent& c) { return Variant(cself(c).kind); },
                         [=](TComponent& c, const Variant& v) { self(c).kind = v.StringValue(); }});
        props.push_back({"Caption", [=](const TComponent& c) { return Variant(cself(c).caption); },
                         [=](TComponent& c, const Variant& v) { self(c).caption = v.StringValue(); }});
    }
};

}  // namespace

TEST_F(SkinModelData, ChangePropertySetsOnlyEnumeratedProperties) {
    Widget w;
    TSkinData::ChangeProperty(&w, "Flat", "True");
    EXPECT_TRUE(w.flat);
    TSkinData::ChangeProperty(&w, "flat", "maybe");
    EXPECT_TRUE(w.flat);
    TSkinData::ChangeProperty(&w, "Kind", "bkOK");
    EXPECT_EQ(w.kind, "bkOK");
    TSkinData::ChangeProperty(&w, "Caption", "bkOK");  // a plain text is not an enumeration
    EXPECT_EQ(w.caption, "Hello");
    TSkinData::ChangeProperty(&w, "Missing", "bkOK");
    TSkinData::ChangeProperty(nullptr, "Kind", "bkOK");
    TSkinData::ChangeProperty(&w, "Tag", "5");  // an integer is not an enumeration
    EXPECT_EQ(w.Tag(), 0);
}

TEST_F(SkinModelData, MenuGlyphsAreBlackOnWhite) {
    TSkinData d;
    int black[4] = {0, 0, 0, 0};
    for (int g = 0; g < 4; ++g)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                Pixel p = d.MenuGlyphs.At(16 * g + x, y);
                ASSERT_TRUE(p == MakePixel(0, 0, 0) || p == MakePixel(255, 255, 255));
                black[g] += p == 0;
            }
    for (int g = 0; g < 4; ++g) EXPECT_GT(black[g], 8) << g;
    // Close is a cross: symmetric left to right.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(d.MenuGlyphs.At(48 + x, y), d.MenuGlyphs.At(48 + 15 - x, y)) << x << "," << y;
}
