#include "GridFixture.h"

#include <atomic>
#include <random>

#include "data/Session.h"
#include "engine/Database.h"
#include "tests/win/common/WinTestUtil.h"

namespace fs = std::filesystem;
using engine::FieldType;

namespace {

std::string U8(const fs::path& p) {
    auto s = p.u8string();
    return std::string(s.begin(), s.end());
}

engine::Decimal Dec(double v) { return engine::Decimal::FromDouble(v, 3); }

const char* const kNames[] = {"Абрикос", "Банан",     "Вишня", "Груша",  "Дыня",
                              "Ежевика", "Земляника", "Изюм",  "Йогурт", "Капуста"};

}  // namespace

std::string GridFixture::FoodName(int row) { return std::string(kNames[row % 10]) + " №" + std::to_string(row + 1); }

std::string GridFixture::Utf8Dir() const { return U8(dir); }

void GridFixture::SetUp() {
    static std::atomic<int> counter{0};
    dir = fs::temp_directory_path() /
          ("lorvena-grid-" + std::to_string(std::random_device{}()) + "-" + std::to_string(counter++));
    fs::create_directories(dir);
    {
        engine::Database db(U8(dir));
        auto& food = db.CreateTable("Food.DB", {{"Id_food", FieldType::AutoInc, 0},
                                                {"Nazv_food", FieldType::Alpha, 100},
                                                {"Protein", FieldType::Bcd, 3},
                                                {"Fat", FieldType::Bcd, 3},
                                                {"Kkal", FieldType::Bcd, 3},
                                                {"Weight", FieldType::Short, 0}});
        for (int i = 0; i < kFoodRows; ++i)
            food.Append({{}, FoodName(i), Dec(i + 0.5), Dec(i * 0.25), Dec(40 + i), int32_t{100 + i}});
    }
    Session().Reset();
    Session().SetFactory(nullptr);
    Session().SetDirectory(U8(dir));

    app = std::make_unique<TApplication>();
    app->SetTitle("Лорвена");
    form = new TForm(app.get());
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetCaption("Сетка");
    form->SetClientWidth(440);
    form->SetClientHeight(240);
    form->SetBounds(60, 60, form->Width(), form->Height());
    table = new TTable(form);
    table->SetTableName("Food.DB");
    source = new TDataSource(form);
    source->SetDataSet(table);
    grid = new TRzDBGrid(form);
    grid->SetName("RzDBGrid1");
    grid->SetParent(form);
    grid->SetBounds(8, 8, 420, 220);
    static const TColumnSetting kColumns[] = {
        {"Nazv_food", "Продукт", 160}, {"Protein", "Белки, г", 70}, {"Fat", "Жиры, г", 70}, {"Kkal", "Ккал", 70}};
    grid->SetColumns(kColumns);
}

void GridFixture::TearDown() {
    app.reset();
    Session().Reset();
    Session().SetDirectory("");
    std::error_code ec;
    fs::remove_all(dir, ec);
}

void GridFixture::ShowGrid(TDBGridOptions options) {
    grid->SetOptions(options);
    grid->SetDataSource(source);
    table->Open();
    form->Show();
    WaitUntil([this] { return IsWindowVisible(form->Handle()) != FALSE; }, 3000, "the grid's form");
    WaitInputHandled();
}

POINT GridFixture::CellCentre(int column, int row) const {
    RECT r = grid->CellRect(column, row);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void GridFixture::Click(POINT p) {
    SendMessageW(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    SendMessageW(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

void GridFixture::DoubleClick(POINT p) {
    Click(p);
    SendMessageW(grid->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    SendMessageW(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

// The grid reads Ctrl from the thread's key state, as it is during real typing.
void GridFixture::Key(UINT vk, bool ctrl) {
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(grid->Handle(), WM_KEYDOWN, vk, 1);
    SendMessageW(grid->Handle(), WM_KEYUP, vk, 0xC0000001);
    keys[VK_CONTROL] = saved;
    SetKeyboardState(keys);
}

bool MoveMouse(int x, int y) {
    int sw = GetSystemMetrics(SM_CXSCREEN) - 1, sh = GetSystemMetrics(SM_CYSCREEN) - 1;
    for (int i = 0; i < 50; ++i) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = (x * 65535 + sw / 2) / sw;
        in.mi.dy = (y * 65535 + sh / 2) / sh;
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &in, sizeof(in));
        WaitInputHandled();
        POINT p;
        GetCursorPos(&p);
        if (p.x == x && p.y == y) return true;
        SetCursorPos(x, y);
        WaitInputHandled();
        GetCursorPos(&p);
        if (p.x == x && p.y == y) return true;
    }
    return false;
}
