#include "tests/e2e/food/E2eFormSet.h"

#include "app/FormSet.h"
#include "app/U_main.h"
#include "core/Utf16.h"
#include "data/Session.h"
#include "engine/Database.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/MessageDialog.h"
#include "ui/WinControl.h"
#include "ui/WindowBinding.h"

const std::vector<std::string> kCategories = {"Фрукты", "Овощи", "Молоко"};
const std::vector<TFoodRow> kFoods = {
    {"Яблоко", "0.4", "0.4", "9.8", "47", "Фрукты"},   {"Банан", "1.5", "0.2", "21.8", "95", "Фрукты"},
    {"Груша", "0.4", "0.3", "10.3", "42", "Фрукты"},   {"Морковь", "1.3", "0.1", "6.9", "35", "Овощи"},
    {"Капуста", "1.8", "0.1", "4.7", "27", "Овощи"},   {"Кефир", "2.8", "3.2", "4.1", "59", "Молоко"},
};

namespace {

// The ration and diet tables are the default ones; the foods and categories are made
// afresh with the columns of the default tables.
const wchar_t* const kCopiedTables[] = {L"Menu.DB", L"Diet.DB"};
const char* const kCategTable = "\xD0\xA1" "ateg.db";

TScript* gScript = nullptr;

void CALLBACK ScriptTimer(HWND, UINT, UINT_PTR, DWORD) { TScript::Tick(); }

// Makes the category and food tables with the known set.
void WriteKnownSet() {
    using engine::FieldType;
    engine::Database db("");
    engine::Table& categ = db.CreateTable(kCategTable, {{"nazv_group", FieldType::Alpha, 100},
                                                        {"Id_group", FieldType::AutoInc, 0},
                                                        {"Kol_food", FieldType::Short, 0},
                                                        {"Id_food", FieldType::Short, 0}});
    const size_t nameCol = static_cast<size_t>(categ.FieldIndex("nazv_group"));
    const size_t idCol = static_cast<size_t>(categ.FieldIndex("Id_group"));
    std::vector<std::pair<std::string, int32_t>> ids;
    for (const auto& name : kCategories) {
        engine::Row row(categ.Fields().size());
        row[nameCol] = name;
        size_t at = categ.Append(row);
        ids.emplace_back(name, std::get<int32_t>((*categ.RowAt(at))[idCol]));
    }
    engine::Table& food = db.CreateTable("Food.DB", {{"Id_food", FieldType::AutoInc, 0},
                                                     {"Nazv_food", FieldType::Alpha, 100},
                                                     {"Protein", FieldType::Bcd, 3},
                                                     {"Fat", FieldType::Bcd, 3},
                                                     {"Carbohyd", FieldType::Bcd, 3},
                                                     {"Kkal", FieldType::Bcd, 3},
                                                     {"Id_group", FieldType::Short, 0}});
    auto col = [&](const char* n) { return static_cast<size_t>(food.FieldIndex(n)); };
    auto bcd = [&](const std::string& text, const char* n) {
        return engine::Decimal::FromString(text, food.Fields()[col(n)].size);
    };
    for (const auto& f : kFoods) {
        engine::Row row(food.Fields().size());
        row[col("Nazv_food")] = f.name;
        row[col("Protein")] = bcd(f.protein, "Protein");
        row[col("Fat")] = bcd(f.fat, "Fat");
        row[col("Carbohyd")] = bcd(f.carbohyd, "Carbohyd");
        row[col("Kkal")] = bcd(f.kkal, "Kkal");
        for (const auto& [name, id] : ids)
            if (name == f.category) row[col("Id_group")] = id;
        food.Append(row);
    }
}

std::string DecimalText(const engine::Value& v) {
    if (engine::IsNull(v)) return "";
    std::string s = std::get<engine::Decimal>(v).ToString();
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    return s;
}

}  // namespace

TScript::TScript() { gScript = this; }

TScript::~TScript() {
    if (timer_) KillTimer(nullptr, timer_);
    gScript = nullptr;
}

TScript& TScript::Then(std::function<bool()> step) {
    steps_.push_back(std::move(step));
    return *this;
}

void TScript::Tick() {
    TScript* s = gScript;
    if (!s || s->running_ || s->next_ >= s->steps_.size()) return;
    s->running_ = true;
    bool done = false;
    try {
        done = s->steps_[s->next_]();
    } catch (const std::exception& e) {
        ADD_FAILURE() << "step " << s->next_ << " failed: " << e.what();
        done = true;
    }
    if (done) ++s->next_;
    s->running_ = false;
}

bool TScript::Run(int timeoutMs) {
    timer_ = SetTimer(nullptr, 0, 15, &ScriptTimer);
    bool all = PumpUntil([&] { return next_ >= steps_.size(); }, timeoutMs);
    KillTimer(nullptr, timer_);
    timer_ = 0;
    EXPECT_TRUE(all) << "stuck at step " << next_ << " of " << steps_.size();
    return all;
}

TScript& TScript::AnswerDialog(std::vector<TSeenDialog>& seen) {
    return Then([&seen] {
        HWND w = FindMessageDialog();
        if (!w) return false;
        auto* form = dynamic_cast<TMessageForm*>(TWindowBinding::FromHandle(w));
        if (!form) return false;
        seen.push_back({WindowText(w), form->MessageText()});
        auto* ok = dynamic_cast<TWinControl*>(form->FindComponent("OK"));
        if (!ok) {
            ADD_FAILURE() << "the message dialog has no OK button";
            PostMessageW(w, WM_CLOSE, 0, 0);
        } else {
            PostClick(ok);
        }
        return true;
    });
}

TScript& TScript::WaitVisible(TWinControl* form) {
    return Then([form] { return form->HandleAllocated() && IsWindowVisible(form->Handle()); });
}

TScript& TScript::WaitHidden(TWinControl* form) {
    return Then([form] { return !form->HandleAllocated() || !IsWindowVisible(form->Handle()); });
}

TScript& TScript::Wait(int ticks) {
    auto left = std::make_shared<int>(ticks);
    return Then([left] { return --*left <= 0; });
}

void PostClick(TWinControl* button) { PostMessageW(button->Handle(), BM_CLICK, 0, 0); }

void TypeChars(TWinControl* control, const std::wstring& chars) {
    // The caret goes to the end of the text first, as after a click behind it.
    const int end = GetWindowTextLengthW(control->Handle());
    SendMessageW(control->Handle(), EM_SETSEL, end, end);
    for (wchar_t c : chars) SendMessageW(control->Handle(), WM_CHAR, c, 1);
}

BOOL CALLBACK FindMessageDialogProc(HWND w, LPARAM p) {
    if (IsWindowVisible(w) && WindowClassName(w) == "TMessageForm") {
        *reinterpret_cast<HWND*>(p) = w;
        return FALSE;
    }
    return TRUE;
}

HWND FindMessageDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindMessageDialogProc, reinterpret_cast<LPARAM>(&found));
    return found;
}

void E2eFormSet::SetUp() {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    dir = std::wstring(tmp) + L"lorvena-e2e-food-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(GetTickCount());
    ASSERT_TRUE(CreateDirectoryW(dir.c_str(), nullptr));
    GetCurrentDirectoryW(MAX_PATH, tmp);
    oldDir = tmp;
    SetCurrentDirectoryW(dir.c_str());
    std::wstring from = Utf8ToWide(LORVENA_TABLES_DIR);
    for (const wchar_t* t : kCopiedTables)
        ASSERT_TRUE(CopyFileW((from + L"/" + t).c_str(), (dir + L"\\" + t).c_str(), FALSE))
            << "the default tables are built by mkdb in the native tree: " << LORVENA_TABLES_DIR;
    WriteKnownSet();
}

void E2eFormSet::TearDown() {
    StopProgram();
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

void E2eFormSet::StartProgram() {
    app = std::make_unique<TApplication>();
    CreateFormSet(*app);
    Form1->Show();
    PumpUntil([] { return IsWindowVisible(Form1->Handle()) != FALSE; });
}

void E2eFormSet::StopProgram() {
    app.reset();
    Session().Reset();
}

std::vector<E2eFormSet::TStoredFood> E2eFormSet::Foods() {
    std::unique_ptr<engine::Database> own;
    engine::Table* t;
    if (Session().Started()) {
        t = &Session().Engine().OpenTable("Food.DB");
    } else {
        own = std::make_unique<engine::Database>("");
        t = &own->OpenTable("Food.DB");
    }
    auto col = [&](const char* n) { return static_cast<size_t>(t->FieldIndex(n)); };
    std::vector<TStoredFood> out;
    for (size_t i = 0; i < t->RowCount(); ++i) {
        const engine::Row& r = *t->RowAt(i);
        TStoredFood f;
        f.id = std::get<int32_t>(r[col("Id_food")]);
        f.name = engine::IsNull(r[col("Nazv_food")]) ? "" : std::get<std::string>(r[col("Nazv_food")]);
        f.protein = DecimalText(r[col("Protein")]);
        f.fat = DecimalText(r[col("Fat")]);
        f.carbohyd = DecimalText(r[col("Carbohyd")]);
        f.kkal = DecimalText(r[col("Kkal")]);
        f.group = engine::IsNull(r[col("Id_group")]) ? -1 : std::get<int32_t>(r[col("Id_group")]);
        out.push_back(f);
    }
    return out;
}

std::vector<std::pair<int32_t, std::string>> E2eFormSet::Categories() {
    std::unique_ptr<engine::Database> own;
    engine::Table* t;
    if (Session().Started()) {
        t = &Session().Engine().OpenTable(kCategTable);
    } else {
        own = std::make_unique<engine::Database>("");
        t = &own->OpenTable(kCategTable);
    }
    std::vector<std::pair<int32_t, std::string>> out;
    for (size_t i = 0; i < t->RowCount(); ++i) {
        const engine::Row& r = *t->RowAt(i);
        const auto& name = r[static_cast<size_t>(t->FieldIndex("nazv_group"))];
        out.emplace_back(std::get<int32_t>(r[static_cast<size_t>(t->FieldIndex("Id_group"))]),
                         engine::IsNull(name) ? "" : std::get<std::string>(name));
    }
    return out;
}

int32_t E2eFormSet::CategoryId(const std::string& name) {
    for (const auto& [id, n] : Categories())
        if (n == name) return id;
    ADD_FAILURE() << "no category " << name;
    return -1;
}

const E2eFormSet::TStoredFood* E2eFormSet::FindFood(const std::string& name) {
    static std::vector<TStoredFood> last;
    last = Foods();
    for (const auto& f : last)
        if (f.name == name) return &f;
    return nullptr;
}
