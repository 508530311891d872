// Edits: characters filtered, swallowed and replaced by OnKeyPress, keys stopped by
// OnKeyDown, change, enter and exit events, length limit, read-only, alignment, the
// framed edit's frame.
#include "tests/win/widgets_input/InputTestFixture.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/rz/RzEdit.h"

namespace {

// The number boxes' filter: digits, comma, full stop and Backspace pass, a full stop
// becomes a comma, everything else is swallowed.
void NumberFilter(TComponent*, wchar_t& key) {
    bool pass = (key >= L'0' && key <= L'9') || key == L',' || key == L'.' || key == 8;
    if (!pass) key = 0;
    if (key == L'.') key = L',';
}

}  // namespace

TEST_F(WidgetsInput, EditKeyPressSwallowsAndReplacesCharacters) {
    auto* edit = new TRzEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 73, 21);
    edit->SetText("");
    int changes = 0;
    edit->OnChange = [&](TComponent*) { ++changes; };
    edit->OnKeyPress = NumberFilter;
    ShowForm();
    edit->SetFocus();
    Type(edit->Handle(), L"12.5");
    EXPECT_EQ(edit->Text(), "12,5");
    EXPECT_EQ(changes, 4);
    // Letters, the minus sign, the space, Enter, Escape and clipboard keys change nothing.
    Type(edit->Handle(), L"a-  Ж\r\x1b\x16\x18");
    EXPECT_EQ(edit->Text(), "12,5");
    EXPECT_EQ(changes, 4);
    Type(edit->Handle(), L"\b");
    EXPECT_EQ(edit->Text(), "12,");
    // The filter looks at single characters: a second comma passes.
    Type(edit->Handle(), L",");
    EXPECT_EQ(edit->Text(), "12,,");
    // Setting the text from code is a change too.
    edit->SetText("0");
    EXPECT_EQ(changes, 7);
}

TEST_F(WidgetsInput, EditLimitsReadOnlyAndAlignment) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetMaxLength(3);
    ShowForm();
    edit->SetFocus();
    Type(edit->Handle(), L"Щука");
    EXPECT_EQ(edit->Text(), "Щук");
    edit->SetReadOnly(true);
    Type(edit->Handle(), L"\b");
    EXPECT_EQ(edit->Text(), "Щук");
    edit->SetReadOnly(false);
    // Alignment needs the window made again; the text survives it.
    edit->SetAlignment(TAlignment::taRightJustify);
    EXPECT_TRUE(GetWindowLongW(edit->Handle(), GWL_STYLE) & ES_RIGHT);
    EXPECT_EQ(edit->Text(), "Щук");
    edit->SetAlignment(TAlignment::taCenter);
    EXPECT_TRUE(GetWindowLongW(edit->Handle(), GWL_STYLE) & ES_CENTER);
    EXPECT_EQ(edit->MaxLength(), 3);
    Type(edit->Handle(), L"z");
    EXPECT_EQ(edit->Text().size(), std::string("Щук").size());
}

TEST_F(WidgetsInput, EditKeyDownCanStopKeysAndEnterExitFollowTheFocus) {
    auto* a = new TRzEdit(form);
    a->SetParent(form);
    a->SetText("abc");
    auto* b = new TEdit(form);
    b->SetParent(form);
    b->SetTop(40);
    std::vector<std::string> events;
    a->OnEnter = [&](TComponent*) { events.push_back("enter a"); };
    a->OnExit = [&](TComponent*) { events.push_back("exit a"); };
    b->OnEnter = [&](TComponent*) { events.push_back("enter b"); };
    std::vector<WORD> keys;
    a->OnKeyDown = [&](TComponent*, WORD& key, unsigned) {
        keys.push_back(key);
        if (key == VK_DELETE) key = 0;
    };
    ShowForm();
    ASSERT_TRUE(a->Focused());
    Key(a->Handle(), VK_HOME);
    Key(a->Handle(), VK_DELETE);  // stopped: nothing deleted
    EXPECT_EQ(a->Text(), "abc");
    Key(a->Handle(), VK_END);
    Type(a->Handle(), L"\b");
    EXPECT_EQ(a->Text(), "ab");
    EXPECT_EQ(keys, (std::vector<WORD>{VK_HOME, VK_DELETE, VK_END}));
    b->SetFocus();
    app->ProcessMessages();
    EXPECT_EQ(events, (std::vector<std::string>{"enter a", "exit a", "enter b"}));
}

TEST_F(WidgetsInput, FramedEditDrawsAFlatFrameThatTakesTheFocusColour) {
    auto* edit = new TRzEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 20, 100, 21);
    edit->SetFrameColor(0x0000FF);       // red (0x00BBGGRR)
    edit->SetFrameFocusColor(0xFF0000);  // blue
    edit->SetFocusColor(0x00FFFF);       // yellow while focused
    auto* other = new TButton(form);
    other->SetParent(form);
    other->SetBounds(20, 60, 75, 25);
    ShowForm();
    other->SetFocus();
    app->ProcessMessages();
    // Client area two pixels in on every side.
    RECT c;
    GetClientRect(edit->Handle(), &c);
    EXPECT_EQ(c.right, 96);
    EXPECT_EQ(c.bottom, 17);
    POINT o{0, 0};
    ClientToScreen(form->Handle(), &o);
    EXPECT_EQ(WaitPixel(o.x + 20, o.y + 30, 0xFF0000), 0xFF0000u);  // red frame, left edge
    edit->SetFocus();
    EXPECT_EQ(WaitPixel(o.x + 20, o.y + 30, 0x0000FF), 0x0000FFu);   // blue while focused
    EXPECT_EQ(WaitPixel(o.x + 100, o.y + 30, 0xFFFF00), 0xFFFF00u);  // yellow inside
}
