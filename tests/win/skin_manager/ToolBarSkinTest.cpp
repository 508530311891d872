// A tool bar painted by the skin through its custom drawing: the background stretched
// from the skin unless the options keep the bar's own, a hot button in the skin's cell,
// a disabled one left to the bar; and everything given back when the skin lets go.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/forms/MenuPicture.h"
#include "skin/manager/WinSkinFormFactory_win.h"
#include "tests/win/common/WinTestUtil.h"
#include "tests/win/skin_painters/ScreenCompare.h"
#include "ui/Form.h"
#include "ui/ToolBar.h"

namespace skin {
namespace {

TEST(ToolBarSkin, BackgroundAndButtonsFromTheSkin) {
    for (bool keepOwn : {false, true}) {
        SCOPED_TRACE(keepOwn ? "xoToolbarBK" : "skin background");
        TSkinData data;
        data.LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
        ASSERT_TRUE(data.Toolbar && data.Buttons);
        if (!keepOwn) data.Options.Exclude(xoToolbarBK);
        auto* form = new TForm(nullptr);
        form->SetBounds(60, 60, 420, 160);
        auto* bar = new TToolBar(form);
        bar->SetParent(form);
        bar->SetBounds(0, 0, 400, 30);
        TToolButton* buttons[3] = {};
        const char* captions[] = {"Добавить", "Итоги", "Нельзя"};
        for (int i = 0; i < 3; ++i) {
            buttons[i] = new TToolButton(form);
            buttons[i]->SetCaption(captions[i]);
            buttons[i]->SetParent(bar);
        }
        buttons[2]->SetEnabled(false);
        form->Show();
        Pump(50);
        TWinSkinFormFactory forms;
        auto skinned = forms.Create({reinterpret_cast<std::uintptr_t>(form->Handle()), form, &data, ""});
        ASSERT_NE(skinned, nullptr);
        SendMessageW(form->Handle(), SKM_INITFORM, 0, 0);
        // The mouse over the first button makes it hot.
        const RECT b0 = buttons[0]->BoundsRect();
        POINT hot{(b0.left + b0.right) / 2, (b0.top + b0.bottom) / 2};
        ClientToScreen(bar->Handle(), &hot);
        SetCursorPos(hot.x, hot.y);
        SendMessageW(bar->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM((b0.left + b0.right) / 2, (b0.top + b0.bottom) / 2));
        bar->Invalidate();
        Pump(100);
        const TScreenImage shot = CaptureStable(ClientOnScreen(bar->Handle()));
        SaveScreenshot(shot, std::string("iTunes/tool_bar") + (keepOwn ? "_own" : ""));
        const Surface back = ComposeToolBarBackground(data, false, shot.width, shot.height);
        // Past the last button only the background shows.
        const RECT last = buttons[2]->BoundsRect();
        int backDifferences = 0;
        for (int y = 0; y < shot.height; ++y)
            for (int x = last.right + 2; x < shot.width; ++x) backDifferences += shot.At(x, y) != back.At(x, y);
        if (keepOwn)
            EXPECT_GT(backDifferences, 0) << "the bar keeps its own background";
        else
            EXPECT_EQ(backDifferences, 0);
        // The hot button's cell 4 at its inner left edge (inside the one-pixel ring).
        const Rect face = Rect{b0.left, b0.top, b0.right, b0.bottom};
        const Surface under = ToSurface(shot).Cut(face);
        const Surface want = ComposeToolButton(data, under, 4);
        int cellDifferences = 0;
        for (int y = 1; y < face.Height() - 1; ++y)
            cellDifferences += shot.At(face.Left + 1, face.Top + y) != want.At(1, y);
        EXPECT_EQ(cellDifferences, 0);
        skinned->UnSubclass();
        EXPECT_FALSE(bar->OnCustomDrawBackground) << "the bar's own drawing back";
        EXPECT_FALSE(bar->OnCustomDrawButton);
        skinned.reset();
        delete form;
        Pump(20);
    }
}

}  // namespace
}  // namespace skin
