#include "tests/e2e/main/E2eWindows.h"

#include "app/FormSet.h"
#include "app/U_main.h"
#include "core/Utf16.h"
#include "data/Session.h"
#include "engine/Database.h"
#include "ui/db/DBGrid.h"
#include "ui/MessageDialog.h"
#include "ui/Timer.h"
#include "ui/WinControl.h"
#include "ui/WindowBinding.h"

namespace {

const wchar_t* const kTables[] = {L"Food.DB", L"\u0421ateg.db", L"Menu.DB", L"Diet.DB"};

void SendKeyEvent(WORD vk, WORD scan, DWORD flags) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = scan;
    in.ki.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}

void SendMouseEvent(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}

std::string Text(const engine::Value& v) {
    if (engine::IsNull(v)) return "";
    if (auto* s = std::get_if<std::string>(&v)) return *s;
    if (auto* d = std::get_if<engine::Decimal>(&v)) return d->ToString();
    if (auto* i = std::get_if<int32_t>(&v)) return std::to_string(*i);
    return "?";
}

}  // namespace

void E2eWindows::SetUp() {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    dir = std::wstring(tmp) + L"lorvena-e2e-main-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(GetTickCount());
    ASSERT_TRUE(CreateDirectoryW(dir.c_str(), nullptr));
    GetCurrentDirectoryW(MAX_PATH, tmp);
    oldDir = tmp;
    SetCurrentDirectoryW(dir.c_str());
    std::wstring from = Utf8ToWide(LORVENA_TABLES_DIR);
    for (const wchar_t* t : kTables)
        ASSERT_TRUE(CopyFileW((from + L"/" + t).c_str(), (dir + L"\\" + t).c_str(), FALSE))
            << "the default tables are built by mkdb in the native tree: " << LORVENA_TABLES_DIR;
}

void E2eWindows::TearDown() {
    Finish();
    SetCurrentDirectoryW(oldDir.c_str());
    WIN32_FIND_DATAW fd;
    HANDLE f = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (f != INVALID_HANDLE_VALUE) {
        do DeleteFileW((dir + L"\\" + fd.cFileName).c_str());
        while (FindNextFileW(f, &fd));
        FindClose(f);
    }
    RemoveDirectoryW(dir.c_str());
}

void E2eWindows::Finish() {
    app.reset();
    Session().Reset();
}

bool E2eWindows::Run(std::vector<Step> steps, int timeoutMs) {
    app = std::make_unique<TApplication>();
    CreateFormSet(*app);
    auto* timer = new TTimer(app.get());
    timer->SetInterval(20);
    size_t next = 0, done = 0;
    bool closing = false;
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(timeoutMs);
    auto closeAll = [&] {
        closing = true;
        timer->SetEnabled(false);
        // Whatever is still open on top of the main window goes first.
        for (TComponent* c : app->Components())
            if (auto* form = dynamic_cast<TCustomForm*>(c))
                if (form != Form1 && form->HandleAllocated() && IsWindowVisible(form->Handle()))
                    PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
        if (TMessageForm* dlg = OpenMessageDialog()) PostMessageW(dlg->Handle(), WM_CLOSE, 0, 0);
        PostMessageW(Form1->Handle(), WM_CLOSE, 0, 0);
    };
    timer->SetOnTimer([&](TComponent*) {
        if (closing) return;
        if (static_cast<int>(deadline - GetTickCount()) <= 0) {
            ADD_FAILURE() << "step " << next << " of " << steps.size() << " did not come in time";
            closeAll();
            return;
        }
        if (next < steps.size() && steps[next].ready()) {
            // Taken before it acts: an act that runs a modal window lets the later steps
            // run inside it.
            auto act = steps[next++].act;
            act();
            ++done;
        }
        if (done == steps.size()) closeAll();
    });
    app->Run();
    return done == steps.size();
}

// ---- tables ----

std::vector<TRationRow> ReadRation() {
    engine::Database db("");
    auto& t = db.OpenTable("Menu.DB");
    auto col = [&](const char* n) { return static_cast<size_t>(t.FieldIndex(n)); };
    std::vector<TRationRow> out;
    for (size_t i = 0; i < t.RowCount(); ++i) {
        const auto& r = *t.RowAt(i);
        TRationRow row;
        row.name = Text(r[col("Nazv_food")]);
        row.diet = Text(r[col("Nazv_diet")]);
        const auto& w = r[col("Weight")];
        row.weight = engine::IsNull(w) ? 0 : std::get<int32_t>(w);
        row.protein = Text(r[col("Protein")]);
        row.fat = Text(r[col("Fat")]);
        row.carbohyd = Text(r[col("Carbohyd")]);
        row.kkal = Text(r[col("Kkal")]);
        out.push_back(row);
    }
    return out;
}

void PutRationRow(const TRationRow& row) {
    engine::Database db("");
    auto& t = db.OpenTable("Menu.DB");
    engine::Row r(t.Fields().size());
    auto at = [&](const char* n) -> engine::Value& { return r[static_cast<size_t>(t.FieldIndex(n))]; };
    at("Nazv_food") = row.name;
    at("Nazv_diet") = row.diet;
    at("Weight") = int32_t{row.weight};
    at("Protein") = engine::Decimal::FromString(row.protein, 3);
    at("Fat") = engine::Decimal::FromString(row.fat, 3);
    at("Carbohyd") = engine::Decimal::FromString(row.carbohyd, 3);
    at("Kkal") = engine::Decimal::FromString(row.kkal, 3);
    t.Append(r);
}

std::vector<std::string> FoodNames() {
    engine::Database db("");
    auto& t = db.OpenTable("Food.DB");
    const size_t c = static_cast<size_t>(t.FieldIndex("Nazv_food"));
    std::vector<std::string> out;
    for (size_t i = 0; i < t.RowCount(); ++i) out.push_back(Text((*t.RowAt(i))[c]));
    return out;
}

int32_t AddCategory(const std::string& name) {
    engine::Database db("");
    auto& t = db.OpenTable("\xD0\xA1" "ateg.db");
    engine::Row r(t.Fields().size());
    r[static_cast<size_t>(t.FieldIndex("nazv_group"))] = name;
    size_t at = t.Append(r);
    return std::get<int32_t>((*t.RowAt(at))[static_cast<size_t>(t.FieldIndex("Id_group"))]);
}

void AddFood(const std::string& name, int32_t category, const char* protein, const char* fat, const char* carbohyd,
             const char* kkal) {
    engine::Database db("");
    auto& t = db.OpenTable("Food.DB");
    engine::Row r(t.Fields().size());
    auto at = [&](const char* n) -> engine::Value& { return r[static_cast<size_t>(t.FieldIndex(n))]; };
    at("Nazv_food") = name;
    at("Protein") = engine::Decimal::FromString(protein, 3);
    at("Fat") = engine::Decimal::FromString(fat, 3);
    at("Carbohyd") = engine::Decimal::FromString(carbohyd, 3);
    at("Kkal") = engine::Decimal::FromString(kkal, 3);
    at("Id_group") = int32_t{category};
    t.Append(r);
}

void EmptyTable(const std::string& table) {
    engine::Database db("");
    auto& t = db.OpenTable(table);
    while (t.RowCount() > 0) t.Remove(t.RowCount() - 1);
}

// ---- windows ----

bool Shown(HWND window) { return window && IsWindowVisible(window) && IsWindowEnabled(window); }

bool Shown(TWinControl& form) { return form.HandleAllocated() && Shown(form.Handle()); }

TScreenImage CaptureSettled(HWND window) {
    Pump(250);
    return CaptureWindow(window);
}

std::vector<std::vector<std::string>> GridTexts(TCustomDBGrid& grid) {
    std::vector<std::vector<std::string>> rows;
    TDataSet* ds = grid.DataSet();
    if (!ds || !ds->Active()) return rows;
    for (int r = 0; r < ds->DisplayRowCount(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            TField* f = grid.Column(c)->Field();
            cells.push_back(f ? f->DisplayTextAt(r) : std::string("<no field>"));
        }
        rows.push_back(cells);
    }
    return rows;
}

std::string GridCurrent(TCustomDBGrid& grid, int column) {
    TDataSet* ds = grid.DataSet();
    if (!ds || !ds->Active() || ds->DisplayRow() < 0) return "";
    TField* f = grid.Column(column)->Field();
    return f ? f->DisplayTextAt(ds->DisplayRow()) : "";
}

namespace {

BOOL CALLBACK FindMessageForm(HWND w, LPARAM p) {
    if (IsWindowVisible(w) && WindowClassName(w) == "TMessageForm") {
        *reinterpret_cast<HWND*>(p) = w;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

TMessageForm* OpenMessageDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindMessageForm, reinterpret_cast<LPARAM>(&found));
    return found ? dynamic_cast<TMessageForm*>(TWindowBinding::FromHandle(found)) : nullptr;
}

// ---- input ----

void PressKey(WORD vk, bool ctrl, bool shift) {
    if (ctrl) SendKeyEvent(VK_CONTROL, 0, 0);
    if (shift) SendKeyEvent(VK_SHIFT, 0, 0);
    SendKeyEvent(vk, 0, 0);
    SendKeyEvent(vk, 0, KEYEVENTF_KEYUP);
    if (shift) SendKeyEvent(VK_SHIFT, 0, KEYEVENTF_KEYUP);
    if (ctrl) SendKeyEvent(VK_CONTROL, 0, KEYEVENTF_KEYUP);
    Pump(30);
}

void TypeText(const std::wstring& text) {
    for (wchar_t ch : text) {
        SendKeyEvent(0, ch, KEYEVENTF_UNICODE);
        SendKeyEvent(0, ch, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
    Pump(30);
}

bool MoveCursorTo(int x, int y) {
    // As real input first, so the windows see the pointer arrive and leave.
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>(x * 65535LL / (GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = static_cast<LONG>(y * 65535LL / (GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(in));
    Pump(20);
    for (int i = 0; i < 50; ++i) {
        POINT now;
        GetCursorPos(&now);
        if (now.x == x && now.y == y) return true;
        SetCursorPos(x, y);
        Pump(10);
        POINT p;
        GetCursorPos(&p);
        if (p.x == x && p.y == y) return true;
    }
    return false;
}

void ClickAt(TWinControl& control, int x, int y) {
    RECT r;
    GetClientRect(control.Handle(), &r);
    POINT p{x < 0 ? r.right / 2 : x, y < 0 ? r.bottom / 2 : y};
    ClientToScreen(control.Handle(), &p);
    MoveCursorTo(p.x, p.y);
    SendMouseEvent(MOUSEEVENTF_LEFTDOWN);
    SendMouseEvent(MOUSEEVENTF_LEFTUP);
    Pump(30);
}
