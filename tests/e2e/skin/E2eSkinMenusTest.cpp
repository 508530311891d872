// The program's menus drawn by the skin: the help button's drop-down and the window's
// system menu take the skin's background in their frame and under every item, the
// system menu's items show their glyphs, and without its switch the system menu keeps
// the system's look. Screenshots go to screenshots/<skin>/.
#include <gtest/gtest.h>

#include <functional>

#include "app/StartOptions.h"
#include "app/U_main.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/forms/MenuPicture.h"
#include "skin/platform/SystemColors.h"
#include "tests/e2e/common/E2eFixture.h"
#include "tests/win/skin_painters/ScreenCompare.h"
#include "ui/Menus.h"
#include "ui/rz/RzButton.h"

namespace {

using namespace skin;

constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
constexpr int kFrame = 3;

HWND OpenPopup() {
    const std::vector<HWND> found = OpenPopupMenus();
    return found.empty() ? nullptr : found.front();
}

void Escape() { TapKey(VK_ESCAPE); }

// What one open popup shows, against the pictures the skin composes.
struct PopupCheck {
    int frameDifferences = 0;   // the 3-pixel frame against MenuBackground
    int columnDifferences = 0;  // the items' left column (no text there) against their faces
    int ownerDrawn = 0, items = 0;
    int glyphDifferences = -1;  // the close item's glyph, when asked
};

// `covered`: a part of the screen another popup lies over (window coordinates of this one).
PopupCheck Check(HWND popup, const TSkinData& skin, const std::string& shotName, bool glyph, Rect covered = {}) {
    PopupCheck c;
    const TScreenImage shot = CaptureStable(popup);
    SaveScreenshot(shot, shotName);
    const Surface bg = ComposeMenuBackground(skin, shot.width, shot.height);
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            const bool frame = x < kFrame || y < kFrame || x >= shot.width - kFrame || y >= shot.height - kFrame;
            if (frame && !covered.Contains(x, y)) c.frameDifferences += bg.Empty() || shot.At(x, y) != bg.At(x, y);
        }
    RECT window{};
    GetWindowRect(popup, &window);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, kGetMenuHandle, 0, 0));
    c.items = GetMenuItemCount(menu);
    for (int i = 0; i < c.items; ++i) {
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi);
        c.ownerDrawn += (mi.fType & MFT_OWNERDRAW) != 0;
        RECT r{};
        if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r)) continue;
        const Rect item = Rect{r.left, r.top, r.right, r.bottom}.Offset(-window.left, -window.top);
        const bool separator = (mi.fType & MFT_SEPARATOR) != 0;
        const bool selected = (mi.fState & MFS_HILITE) != 0;
        const Surface face =
            ComposeMenuItem(skin, &bg, {item.Left, item.Top}, {item.Width(), item.Height()}, selected, separator);
        const int column = separator ? item.Width() : skin.MenuItem->LeftWidth;
        for (int y = 0; y < item.Height(); ++y)
            for (int x = 0; x < column; ++x)
                c.columnDifferences += shot.At(item.Left + x, item.Top + y) != face.At(x, y);
        if (glyph && mi.wID == SC_CLOSE) {
            // Glyph 3 of the menu glyphs (black on white), centred in the item's height in
            // the image box, in the caption's colour.
            const TMenuItemPlace place = PlaceMenuItem(skin, item, 16, false, false);
            const int top = item.Top + (item.Height() - skin.MenuGlyphs.Height()) / 2;
            const Pixel ink = ColorToPixel(ResolveColor(MenuItemTextColor(skin.Colors, selected, true)));
            c.glyphDifferences = 0;
            for (int y = 0; y < skin.MenuGlyphs.Height(); ++y)
                for (int x = 0; x < 16; ++x)
                    if (skin.MenuGlyphs.At(3 * 16 + x, y) == 0)
                        c.glyphDifferences += shot.At(place.ImageBox.Left + x, top + y) != ink;
        }
    }
    return c;
}

class E2eSkinMenus : public E2eFixture {
protected:
    void TearDown() override {
        E2eFixture::TearDown();
        StartOptions() = {};
    }
};

TEST_F(E2eSkinMenus, TheHelpMenuAndTheSystemMenuAreDrawnByTheSkin) {
    for (const char* skinName : {"iTunes", "Graphite"}) {
        SCOPED_TRACE(skinName);
        StartOptions() = ParseStartOptions({std::string("/skin:") + skinName + ".skn"});
        const std::string folder = std::string(skinName) + "/";
        PopupCheck help, system, plain;
        auto skinned = [] { return MainShown() && SendMessageW(Form1->Handle(), SKM_ISSKINNED, 0, 0) == 1; };
        auto openSystemMenu = [] { PostMessageW(Form1->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' '); };
        EXPECT_TRUE(Run({
            When(skinned, [] { ClickAt(*Form1->RzMenuToolbarButton1); }),
            When([] { return OpenPopup() != nullptr; },
                 [&] {
                     help = Check(OpenPopup(), *Form1->SkinData1, folder + "menu_help", false);
                     Escape();
                 }),
            When([] { return OpenPopup() == nullptr; }, openSystemMenu),
            When([] { return OpenPopup() != nullptr; },
                 [&] {
                     system = Check(OpenPopup(), *Form1->SkinData1, folder + "menu_system", true);
                     Escape();
                 }),
            // Without the system menu's switch it is the system's own menu.
            When([] { return OpenPopup() == nullptr; },
                 [&] {
                     Form1->SkinData1->SkinControls.Exclude(xcSystemMenu);
                     openSystemMenu();
                 }),
            When([] { return OpenPopup() != nullptr; },
                 [&] {
                     plain = Check(OpenPopup(), *Form1->SkinData1, folder + "menu_system_plain", false);
                     Escape();
                 }),
            When([] { return OpenPopup() == nullptr; }),
        }));
        EXPECT_EQ(help.items, 2);
        EXPECT_EQ(help.ownerDrawn, 2);
        EXPECT_EQ(help.frameDifferences, 0);
        EXPECT_EQ(help.columnDifferences, 0);
        EXPECT_GT(system.items, 3);
        EXPECT_EQ(system.ownerDrawn, system.items);
        EXPECT_EQ(system.frameDifferences, 0);
        EXPECT_EQ(system.columnDifferences, 0);
        EXPECT_EQ(system.glyphDifferences, 0);
        EXPECT_EQ(plain.ownerDrawn, 0);
        EXPECT_GT(plain.frameDifferences, 0);
        Stop();
    }
}

// A popup menu made after the form was skinned, with a submenu: each window shows the
// background composed for its own size, under its frame and under its items.
TEST_F(E2eSkinMenus, ASubmenuTakesItsOwnWindowsBackground) {
    std::vector<PopupCheck> checks;
    TPopupMenu* menu = nullptr;
    EXPECT_TRUE(Run({
        When([] { return MainShown() && SendMessageW(Form1->Handle(), SKM_ISSKINNED, 0, 0) == 1; },
             [&] {
                 menu = new TPopupMenu(Form1);
                 auto add = [](TMenuItem* parent, const char* caption) {
                     auto* item = new TMenuItem(nullptr);
                     item->SetCaption(caption);
                     parent->Add(item);
                     return item;
                 };
                 add(menu->Items(), "Завтрак");
                 TMenuItem* more = add(menu->Items(), "Ещё");
                 for (const char* c : {"Обед", "Полдник", "Ужин и поздний перекус"}) add(more, c);
                 Form1->SkinData1->UpdateMenu(Form1);
             }),
        Do([&] { menu->Popup(200, 200); }),
        When([] { return OpenPopupMenus().size() == 1; }, [] { TapKey(VK_UP); }),  // the last item: "Ещё"
        When([] { return OpenPopupMenus().size() == 1; }, [] { TapKey(VK_RIGHT); }),
        When([] { return OpenPopupMenus().size() == 2; },
             [&] {
                 // The submenu lies over the edge of the menu it came from.
                 const std::vector<HWND> popups = OpenPopupMenus();
                 RECT top{}, under{};
                 GetWindowRect(popups[0], &top);
                 GetWindowRect(popups[1], &under);
                 const Rect covered = Rect{top.left, top.top, top.right, top.bottom}.Offset(-under.left, -under.top);
                 checks.push_back(Check(popups[0], *Form1->SkinData1, "iTunes/menu_submenu", false));
                 checks.push_back(Check(popups[1], *Form1->SkinData1, "iTunes/menu_with_submenu", false, covered));
                 Escape();
                 Escape();
             }),
        When([] { return OpenPopupMenus().empty(); }),
    }));
    ASSERT_EQ(checks.size(), 2u);
    for (const PopupCheck& c : checks) {
        EXPECT_EQ(c.ownerDrawn, c.items);
        EXPECT_EQ(c.frameDifferences, 0);
        EXPECT_EQ(c.columnDifferences, 0);
    }
    EXPECT_NE(checks[0].items, checks[1].items);
}

}  // namespace
