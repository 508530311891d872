#include "ui/db/DBGrid.h"

#include <windowsx.h>

#include <algorithm>

#include "core/PublishedProperty.h"
#include "ui/Application.h"

namespace {

constexpr int kCellPadding = 3;
constexpr int kMinColumnWidth = 8;

int TextHeightOf(const TFont& font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return tm.tmHeight;
}

}  // namespace

// The grid's observer of its data source.
class TCustomDBGrid::TGridDataLink : public TDataLink {
public:
    explicit TGridDataLink(TCustomDBGrid& grid) : grid_(grid) {}

protected:
    void ActiveChanged() override { grid_.LinkActiveChanged(); }
    void DataSetChanged() override { grid_.LinkDataSetChanged(); }
    void RecordChanged(TField*) override { grid_.LinkRecordChanged(); }
    void EditingChanged() override { grid_.Invalidate(); }

private:
    TCustomDBGrid& grid_;
};

TCustomDBGrid::TCustomDBGrid(TComponent* owner) : TWinControl(owner), link_(std::make_unique<TGridDataLink>(*this)) {
    SetBounds(0, 0, 320, 120);
    SetColor(clWindow);
    SetTabStop(true);
    titleFont_.OnChange = [this] {
        titleFontHeight_ = -1;
        ClampTop();
        UpdateScrollBars();
        Invalidate();
    };
}

TCustomDBGrid::~TCustomDBGrid() {
    titleFont_.OnChange = nullptr;
    link_->SetDataSource(nullptr);
}

TDataSource* TCustomDBGrid::DataSource() const { return link_->DataSource(); }
void TCustomDBGrid::SetDataSource(TDataSource* source) { link_->SetDataSource(source); }
TDataSet* TCustomDBGrid::DataSet() const { return link_->Active() ? link_->DataSet() : nullptr; }

void TCustomDBGrid::SetOptions(TDBGridOptions options) {
    options_ = options;
    ClampTop();
    UpdateScrollBars();
    Invalidate();
}

void TCustomDBGrid::SetLineColor(TColor c) {
    lineColor_ = c;
    Invalidate();
}

void TCustomDBGrid::SetFixedColor(TColor c) {
    fixedColor_ = c;
    Invalidate();
}

void TCustomDBGrid::SetBorderStyle(TGridBorderStyle style) {
    if (borderStyle_ == style) return;
    borderStyle_ = style;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomDBGrid::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TWinControl::DefineProperties(props);
    static const char* const borders[] = {"bsNone", "bsSingle"};
    props.push_back(Property("FixedColor", &TCustomDBGrid::FixedColor, &TCustomDBGrid::SetFixedColor));
    props.push_back(EnumNameProperty("BorderStyle", &TCustomDBGrid::BorderStyle, borders));
}

// --- columns -----------------------------------------------------------------------

void TCustomDBGrid::SetColumns(const TColumnSetting* columns, std::size_t count) {
    declared_.clear();
    for (std::size_t i = 0; i < count; ++i) {
        auto c = std::make_unique<TColumn>();
        c->fieldName_ = columns[i].fieldName ? columns[i].fieldName : "";
        c->title_ = columns[i].title ? columns[i].title : "";
        c->width_ = std::max(0, columns[i].width);
        c->index_ = static_cast<int>(i);
        declared_.push_back(std::move(c));
    }
    selectedIndex_ = 0;
    BindFields();
    UpdateScrollBars();
    Invalidate();
}

const std::vector<std::unique_ptr<TColumn>>& TCustomDBGrid::columns() const {
    return declared_.empty() ? autoColumns_ : declared_;
}

TColumn* TCustomDBGrid::Column(int index) const {
    const auto& cols = columns();
    return index >= 0 && index < static_cast<int>(cols.size()) ? cols[static_cast<size_t>(index)].get() : nullptr;
}

void TCustomDBGrid::SetColumnWidth(int index, int width) {
    TColumn* c = Column(index);
    if (!c) return;
    c->width_ = std::max(0, width);
    if (declared_.empty()) autoWidths_[c->fieldName_] = c->width_;
    UpdateScrollBars();
    Invalidate();
}

void TCustomDBGrid::SetSelectedIndex(int index) {
    if (index < 0 || index >= ColumnCount()) return;
    selectedIndex_ = index;
    // Bring the column into view horizontally.
    int x = 0;
    for (int i = 0; i < index; ++i) x += Column(i)->Width();
    int viewWidth = ClientWidth() - IndicatorWidth();
    if (x < leftOffset_)
        ScrollHorizontally(x);
    else if (x + Column(index)->Width() > leftOffset_ + viewWidth)
        ScrollHorizontally(x + Column(index)->Width() - viewWidth);
    Invalidate();
}

// Fields created from a result live only while the dataset is open: look them up again
// on every open and change instead of keeping them.
void TCustomDBGrid::BindFields() {
    RebuildAutoColumns();
    TDataSet* ds = DataSet();
    for (auto& c : declared_) c->field_ = ds ? ds->FindField(c->fieldName_) : nullptr;
}

void TCustomDBGrid::RebuildAutoColumns() {
    if (!declared_.empty()) {
        autoColumns_.clear();
        return;
    }
    TDataSet* ds = DataSet();
    std::vector<TField*> fields = ds ? ds->Fields() : std::vector<TField*>{};
    bool same = fields.size() == autoColumns_.size();
    for (size_t i = 0; same && i < fields.size(); ++i) same = autoColumns_[i]->field_ == fields[i];
    if (same) return;
    autoColumns_.clear();
    HDC dc = GetDC(nullptr);
    HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, oldFont);
    ReleaseDC(nullptr, dc);
    for (size_t i = 0; i < fields.size(); ++i) {
        auto c = std::make_unique<TColumn>();
        c->fieldName_ = fields[i]->FieldName();
        c->title_ = fields[i]->FieldName();
        c->field_ = fields[i];
        c->index_ = static_cast<int>(i);
        int chars = fields[i]->DataType() == TFieldType::ftString ? std::clamp(fields[i]->Size(), 4, 40) : 10;
        c->width_ = chars * tm.tmAveCharWidth + 2 * kCellPadding;
        // The width the user gave to a column of that field before.
        if (auto it = autoWidths_.find(c->fieldName_); it != autoWidths_.end()) c->width_ = it->second;
        autoColumns_.push_back(std::move(c));
    }
    if (selectedIndex_ >= static_cast<int>(autoColumns_.size())) selectedIndex_ = 0;
}

// --- the data link -------------------------------------------------------------------

void TCustomDBGrid::LinkActiveChanged() {
    topRow_ = 0;
    lastCurrent_ = -1;
    BindFields();
    if (DataSet()) {
        lastCurrent_ = CurrentRow();
        ScrollIntoView(lastCurrent_);
    }
    UpdateScrollBars();
    Invalidate();
}

void TCustomDBGrid::LinkDataSetChanged() {
    BindFields();
    int current = CurrentRow();
    // The view follows the current row when it moves; a view the user scrolled away
    // stays where it is while the current row does not change.
    if (current != lastCurrent_) ScrollIntoView(current);
    lastCurrent_ = current;
    ClampTop();
    UpdateScrollBars();
    Invalidate();
}

void TCustomDBGrid::LinkRecordChanged() {
    int current = CurrentRow();
    RECT r = CellRect(-1, current);
    if (IsRectEmpty(&r) || !HandleAllocated()) return;
    r.left = 0;
    r.right = ClientWidth();
    InvalidateRect(Handle(), &r, FALSE);
}

int TCustomDBGrid::RowCount() const {
    TDataSet* ds = DataSet();
    return ds ? ds->DisplayRowCount() : 0;
}

int TCustomDBGrid::CurrentRow() const {
    TDataSet* ds = DataSet();
    return ds ? ds->DisplayRow() : -1;
}

void TCustomDBGrid::MoveTo(int displayRow) {
    TDataSet* ds = DataSet();
    if (!ds) return;
    int n = ds->RecordCount();
    if (n == 0) return;
    displayRow = std::clamp(displayRow, 0, n - 1);
    if (displayRow == ds->DisplayRow() && ds->State() == TDataSetState::dsBrowse) {
        ScrollIntoView(displayRow);
        UpdateScrollBars();
        Invalidate();
        return;
    }
    ds->SetRecNo(displayRow + 1);
    // SetRecNo tells the links; make sure the row is in view even when it was current.
    ScrollIntoView(CurrentRow());
    lastCurrent_ = CurrentRow();
    UpdateScrollBars();
    Invalidate();
}

void TCustomDBGrid::MoveBy(int delta) {
    int current = CurrentRow();
    MoveTo((current < 0 ? 0 : current) + delta);
}

// --- geometry ----------------------------------------------------------------------

// Text heights are measured once per font (the geometry asks for them for every cell).
int TCustomDBGrid::RowHeight() const {
    if (fontHeight_ < 0) fontHeight_ = TextHeightOf(Font());
    return fontHeight_ + 2 * 2 + ((options_ & dgRowLines) ? 1 : 0);
}

int TCustomDBGrid::TitleHeight() const {
    if (!(options_ & dgTitles)) return 0;
    if (titleFontHeight_ < 0) titleFontHeight_ = TextHeightOf(titleFont_);
    return titleFontHeight_ + 2 * 3 + 1;
}

int TCustomDBGrid::IndicatorWidth() const { return (options_ & dgIndicator) ? 12 : 0; }

TGridGeometry TCustomDBGrid::Geometry() const {
    TGridGeometry g;
    g.clientWidth = ClientWidth();
    g.clientHeight = ClientHeight();
    g.titleHeight = TitleHeight();
    g.rowHeight = RowHeight();
    g.indicatorWidth = IndicatorWidth();
    g.leftOffset = leftOffset_;
    g.topRow = topRow_;
    g.rowCount = RowCount();
    g.columnResize = (options_ & dgColumnResize) != 0;
    g.columnWidths.reserve(columns().size());
    for (const auto& c : columns()) g.columnWidths.push_back(c->Width());
    return g;
}

int TCustomDBGrid::VisibleRowCount() const { return Geometry().VisibleRows(); }

void TCustomDBGrid::ScrollIntoView(int row) {
    if (row >= 0) topRow_ = Geometry().TopShowing(row);
}

void TCustomDBGrid::ClampTop() { topRow_ = Geometry().ClampedTop(topRow_); }

void TCustomDBGrid::SetTopRow(int row) {
    topRow_ = row;
    ClampTop();
    UpdateScrollBars();
    Invalidate();
}

int TCustomDBGrid::DataLeft() const { return IndicatorWidth() - leftOffset_; }

int TCustomDBGrid::TotalColumnsWidth() const { return Geometry().TotalColumnsWidth(); }

namespace {
RECT ToRect(const TGridBox& b) { return b.Empty() ? RECT{0, 0, 0, 0} : RECT{b.left, b.top, b.right, b.bottom}; }
}  // namespace

RECT TCustomDBGrid::CellRect(int column, int displayRow) const { return ToRect(Geometry().Cell(column, displayRow)); }

RECT TCustomDBGrid::TitleRect(int column) const { return ToRect(Geometry().Title(column)); }

int TCustomDBGrid::RowAtY(int y) const { return Geometry().RowAt(y); }

int TCustomDBGrid::ColumnAtX(int x) const { return Geometry().ColumnAt(x); }

int TCustomDBGrid::ResizeDividerAt(POINT p) const { return Geometry().DividerAt(p.x, p.y); }

bool TCustomDBGrid::SelectionShown() const { return Focused() || (options_ & dgAlwaysShowSelection); }

// --- scroll bars -------------------------------------------------------------------

void TCustomDBGrid::UpdateScrollBars() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    int rows = RowCount();
    int visible = std::max(1, VisibleRowCount());
    si.nMax = std::max(0, rows - 1);
    si.nPage = static_cast<UINT>(std::min(visible, rows == 0 ? 1 : rows));
    if (rows <= visible) si.nPage = static_cast<UINT>(si.nMax + 1);
    si.nPos = topRow_;
    SetScrollInfo(h, SB_VERT, &si, TRUE);
    // Someone may have hidden the horizontal bar (ShowScrollBar): keep it hidden then.
    TGridGeometry g = Geometry();
    int viewWidth = std::max(1, ClientWidth() - IndicatorWidth());
    int total = g.TotalColumnsWidth();
    leftOffset_ = g.ClampedLeftOffset(leftOffset_);
    if (GetWindowLongW(h, GWL_STYLE) & WS_HSCROLL) {
        SCROLLINFO hi{};
        hi.cbSize = sizeof(hi);
        hi.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        hi.nMin = 0;
        hi.nMax = std::max(0, total - 1);
        hi.nPage = static_cast<UINT>(total <= viewWidth ? total : viewWidth);
        hi.nPos = leftOffset_;
        SetScrollInfo(h, SB_HORZ, &hi, TRUE);
    }
}

void TCustomDBGrid::ScrollHorizontally(int offset) {
    leftOffset_ = Geometry().ClampedLeftOffset(offset);
    UpdateScrollBars();
    Invalidate();
}

// --- the window ---------------------------------------------------------------------

void TCustomDBGrid::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style |= WS_VSCROLL | WS_HSCROLL;
    if (borderStyle_ == TGridBorderStyle::bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
    p.ClassStyle = CS_DBLCLKS;
}

void TCustomDBGrid::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateScrollBars();
}

bool TCustomDBGrid::Dispatch(TMessage& m) {
    static const TMessageHandler<TCustomDBGrid> table[] = {
        {WM_ERASEBKGND, &TCustomDBGrid::WMEraseBkgnd},
        {WM_PAINT, &TCustomDBGrid::WMPaint},
        {WM_SIZE, &TCustomDBGrid::WMSize},
        {WM_VSCROLL, &TCustomDBGrid::WMVScroll},
        {WM_HSCROLL, &TCustomDBGrid::WMHScroll},
        {WM_MOUSEWHEEL, &TCustomDBGrid::WMMouseWheel},
        {WM_LBUTTONDOWN, &TCustomDBGrid::WMLButtonDown},
        {WM_LBUTTONUP, &TCustomDBGrid::WMLButtonUp},
        {WM_LBUTTONDBLCLK, &TCustomDBGrid::WMLButtonDblClk},
        {WM_MOUSEMOVE, &TCustomDBGrid::WMMouseMoveGrid},
        {WM_SETCURSOR, &TCustomDBGrid::WMSetCursor},
        {WM_KEYDOWN, &TCustomDBGrid::WMKeyDown},
        {WM_GETDLGCODE, &TCustomDBGrid::WMGetDlgCode},
        {WM_SETFOCUS, &TCustomDBGrid::WMFocusChanged},
        {WM_KILLFOCUS, &TCustomDBGrid::WMFocusChanged},
        {WM_CANCELMODE, &TCustomDBGrid::WMCancelMode},
        {WM_CAPTURECHANGED, &TCustomDBGrid::WMCancelMode},
        {CM_FONTCHANGED, &TCustomDBGrid::CMFontChanged},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TCustomDBGrid::WMEraseBkgnd(TMessage& m) { m.Result = 1; }  // everything is painted off screen

void TCustomDBGrid::WMPaint(TMessage& m) {
    if (m.WParam) {
        PaintWindow(reinterpret_cast<HDC>(m.WParam));
        m.Result = 0;
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT rc;
    GetClientRect(Handle(), &rc);
    if (rc.right > 0 && rc.bottom > 0) {
        HDC mem = CreateCompatibleDC(dc);
        HBITMAP bmp = CreateCompatibleBitmap(dc, rc.right, rc.bottom);
        HGDIOBJ oldBmp = SelectObject(mem, bmp);
        PaintWindow(mem);
        BitBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
        SelectObject(mem, oldBmp);
        DeleteObject(bmp);
        DeleteDC(mem);
    }
    EndPaint(Handle(), &ps);
    m.Result = 0;
}

void TCustomDBGrid::WMSize(TMessage& m) {
    TWinControl::DefaultHandler(m);
    int current = CurrentRow();
    if (current >= 0) ScrollIntoView(current);
    ClampTop();
    UpdateScrollBars();
    Invalidate();
}

void TCustomDBGrid::WMVScroll(TMessage& m) {
    int page = std::max(1, VisibleRowCount());
    int top = topRow_;
    switch (LOWORD(m.WParam)) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_TOP: top = 0; break;
    case SB_BOTTOM: top = RowCount(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_VERT, &si);
        top = si.nTrackPos;
        break;
    }
    default: break;
    }
    SetTopRow(top);
    m.Result = 0;
}

void TCustomDBGrid::WMHScroll(TMessage& m) {
    int page = std::max(1, ClientWidth() - IndicatorWidth());
    int x = leftOffset_;
    switch (LOWORD(m.WParam)) {
    case SB_LINELEFT: x -= 16; break;
    case SB_LINERIGHT: x += 16; break;
    case SB_PAGELEFT: x -= page; break;
    case SB_PAGERIGHT: x += page; break;
    case SB_LEFT: x = 0; break;
    case SB_RIGHT: x = TotalColumnsWidth(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_HORZ, &si);
        x = si.nTrackPos;
        break;
    }
    default: break;
    }
    ScrollHorizontally(x);
    m.Result = 0;
}

// Each notch of the wheel moves the current row by one, as the keyboard arrows do.
void TCustomDBGrid::WMMouseWheel(TMessage& m) {
    wheelRest_ += GET_WHEEL_DELTA_WPARAM(m.WParam);
    int notches = wheelRest_ / WHEEL_DELTA;
    wheelRest_ -= notches * WHEEL_DELTA;
    if (notches) MoveBy(-notches);
    m.Result = 0;
}

void TCustomDBGrid::WMLButtonDown(TMessage& m) {
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (CanFocus() && !Focused()) SetFocus();
    clickRow_ = -1;
    clickColumn_ = -1;
    int divider = ResizeDividerAt(p);
    if (divider >= 0) {
        resizeColumn_ = divider;
        resizeStartX_ = p.x;
        resizeStartWidth_ = Column(divider)->Width();
        SetCapture(Handle());
        m.Result = 0;
        return;
    }
    int row = RowAtY(p.y);
    int col = ColumnAtX(p.x);
    if (row >= 0) {
        if (col >= 0 && !(options_ & dgRowSelect))
            SetSelectedIndex(col);
        else if (col >= 0)
            selectedIndex_ = col;
        MoveTo(row);
        clickRow_ = row;
        clickColumn_ = col;
    }
    m.Result = 0;
}

void TCustomDBGrid::WMLButtonUp(TMessage& m) {
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (resizeColumn_ >= 0) {
        resizeColumn_ = -1;
        if (GetCapture() == Handle()) ReleaseCapture();
        m.Result = 0;
        return;
    }
    int row = clickRow_, col = clickColumn_;
    clickRow_ = clickColumn_ = -1;
    if (row >= 0 && col >= 0 && RowAtY(p.y) == row && ColumnAtX(p.x) == col) {
        if (OnCellClick) OnCellClick(Column(col));
    }
    if (row >= 0) Click();
    m.Result = 0;
}

void TCustomDBGrid::WMLButtonDblClk(TMessage& m) {
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    // The second press of a double click behaves as a press, then tells OnDblClick.
    if (ResizeDividerAt(p) < 0) {
        int row = RowAtY(p.y);
        if (row >= 0) MoveTo(row);
    }
    if (OnDblClick) OnDblClick(this);
    m.Result = 0;
}

void TCustomDBGrid::WMMouseMoveGrid(TMessage& m) {
    if (resizeColumn_ >= 0) {
        int x = GET_X_LPARAM(m.LParam);
        SetColumnWidth(resizeColumn_, std::max(kMinColumnWidth, resizeStartWidth_ + x - resizeStartX_));
        Update();
        m.Result = 0;
        return;
    }
    TWinControl::WMMouseMove(m);
}

void TCustomDBGrid::WMSetCursor(TMessage& m) {
    if (LOWORD(m.LParam) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        ::ScreenToClient(Handle(), &p);
        if (resizeColumn_ >= 0 || ResizeDividerAt(p) >= 0) {
            SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_SIZEWE)));
            m.Result = 1;
            return;
        }
    }
    DefaultHandler(m);
}

void TCustomDBGrid::WMCancelMode(TMessage& m) {
    resizeColumn_ = -1;
    DefaultHandler(m);
}

void TCustomDBGrid::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TCustomDBGrid::WMFocusChanged(TMessage& m) {
    if (m.Msg == WM_SETFOCUS)
        TWinControl::WMSetFocus(m);
    else
        TWinControl::WMKillFocus(m);
    Invalidate();
}

void TCustomDBGrid::CMFontChanged(TMessage& m) {
    fontHeight_ = -1;
    TWinControl::CMFontChanged(m);
    ClampTop();
    UpdateScrollBars();
}

void TCustomDBGrid::WMKeyDown(TMessage& m) {
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    int page = std::max(1, VisibleRowCount());
    bool rowSelect = options_ & dgRowSelect;
    m.Result = 0;
    switch (m.WParam) {
    case VK_UP: MoveBy(-1); return;
    case VK_DOWN: MoveBy(1); return;
    case VK_PRIOR: MoveBy(-page); return;
    case VK_NEXT: MoveBy(page); return;
    case VK_HOME:
        if (ctrl || rowSelect)
            MoveTo(0);
        else
            SetSelectedIndex(0);
        return;
    case VK_END:
        if (ctrl || rowSelect)
            MoveTo(RowCount() - 1);
        else
            SetSelectedIndex(ColumnCount() - 1);
        return;
    case VK_LEFT:
        if (rowSelect)
            ScrollHorizontally(leftOffset_ - 16);
        else
            SetSelectedIndex(std::max(0, selectedIndex_ - 1));
        return;
    case VK_RIGHT:
        if (rowSelect)
            ScrollHorizontally(leftOffset_ + 16);
        else
            SetSelectedIndex(std::min(ColumnCount() - 1, selectedIndex_ + 1));
        return;
    case VK_DELETE:
        if (ctrl) {
            DeleteCurrentRow();
            return;
        }
        break;
    default: break;
    }
    DefaultHandler(m);
}

// Ctrl+Delete: the current row goes, after "Delete record?" when the grid asks first.
void TCustomDBGrid::DeleteCurrentRow() {
    TDataSet* ds = DataSet();
    if (readOnly_ || !ds || !ds->CanModify() || ds->IsEmpty()) return;
    if (options_ & dgConfirmDelete) {
        int answer = Application
                         ? Application->MessageBox("Delete record?", "Confirm", MB_OKCANCEL | MB_ICONQUESTION)
                         : ::MessageBoxW(Handle(), L"Delete record?", L"Confirm", MB_OKCANCEL | MB_ICONQUESTION);
        if (answer != IDOK) return;
        ds = DataSet();  // the box ran messages: the dataset may be gone or closed
        if (!ds || !ds->CanModify() || ds->IsEmpty()) return;
    }
    ds->Delete();
}
