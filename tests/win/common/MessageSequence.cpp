#include "MessageSequence.h"

#include <algorithm>
#include <cstdio>

#include "WinTestUtil.h"
#include "ui/Control.h"
#include "ui/WinControl.h"

namespace {

constexpr UINT kSeparator = WM_APP + 0x3FF;

// The message the thread's loop took from the queue last; a message that arrives with
// exactly these values is the posted one, anything else was sent.
thread_local MSG lastRetrieved{};
thread_local HHOOK getMessageHook = nullptr;
thread_local int recorders = 0;

LRESULT CALLBACK GetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) lastRetrieved = *reinterpret_cast<const MSG*>(lParam);
    return CallNextHookEx(getMessageHook, code, wParam, lParam);
}

bool TakePosted(HWND window, const TMessage& m) {
    if (!window || lastRetrieved.hwnd != window || lastRetrieved.message != m.Msg || lastRetrieved.wParam != m.WParam ||
        lastRetrieved.lParam != m.LParam)
        return false;
    lastRetrieved = MSG{};
    return true;
}

}  // namespace

TMessageRecorder::TMessageRecorder(TControl& control) : control_(control) {
    if (recorders++ == 0)
        getMessageHook = SetWindowsHookExW(WH_GETMESSAGE, &GetMessageProc, nullptr, GetCurrentThreadId());
    hook_ = control.AddWindowProcHook([this](TMessage& m, const TWndMethod& inner) {
        if (m.Msg == kSeparator) {
            separatorSeen_ = true;
            return;
        }
        auto* w = dynamic_cast<TWinControl*>(&control_);
        bool posted = TakePosted(w ? w->Handle() : nullptr, m);
        messages_.push_back({m.Msg, !posted, m.WParam, m.LParam});
        inner(m);
    });
}

TMessageRecorder::~TMessageRecorder() {
    control_.RemoveWindowProcHook(hook_);
    if (--recorders == 0) {
        UnhookWindowsHookEx(getMessageHook);
        getMessageHook = nullptr;
    }
}

bool TMessageRecorder::Flush() {
    auto* w = dynamic_cast<TWinControl*>(&control_);
    HWND target = w ? w->Handle() : nullptr;
    if (!target && control_.Parent()) target = control_.Parent()->Handle();
    separatorSeen_ = false;
    if (!w) {
        WaitInputHandled();
        return true;
    }
    PostMessageW(target, kSeparator, 0, 0);
    return PumpUntil([this] { return separatorSeen_; }, 3000);
}

std::vector<TRecordedMessage> TMessageRecorder::Without(const std::vector<UINT>& ignored) const {
    std::vector<TRecordedMessage> out;
    for (const auto& m : messages_)
        if (std::find(ignored.begin(), ignored.end(), m.msg) == ignored.end()) out.push_back(m);
    return out;
}

std::string MessageName(UINT msg) {
    struct Name {
        UINT msg;
        const char* name;
    };
    static const Name names[] = {
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_GETTEXT, "WM_GETTEXT"},
        {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
        {WM_PAINT, "WM_PAINT"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_GETDLGCODE, "WM_GETDLGCODE"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_COMMAND, "WM_COMMAND"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_CTLCOLORBTN, "WM_CTLCOLORBTN"},
        {BM_CLICK, "BM_CLICK"},
        {BM_SETSTATE, "BM_SETSTATE"},
        {BM_SETSTYLE, "BM_SETSTYLE"},
        {WM_SETFONT, "WM_SETFONT"},
        {CM_ENABLEDCHANGED, "CM_ENABLEDCHANGED"},
        {CM_TEXTCHANGED, "CM_TEXTCHANGED"},
        {CM_FONTCHANGED, "CM_FONTCHANGED"},
        {CM_COLORCHANGED, "CM_COLORCHANGED"},
        {CM_ENTER, "CM_ENTER"},
        {CM_EXIT, "CM_EXIT"},
        {CM_FOCUSCHANGED, "CM_FOCUSCHANGED"},
        {CM_MOUSEENTER, "CM_MOUSEENTER"},
        {CM_MOUSELEAVE, "CM_MOUSELEAVE"},
        {CM_VISIBLECHANGED, "CM_VISIBLECHANGED"},
        {CN_COMMAND, "CN_COMMAND"},
        {CN_CTLCOLORBTN, "CN_CTLCOLORBTN"},
        {CN_CTLCOLOREDIT, "CN_CTLCOLOREDIT"},
        {CN_KEYDOWN, "CN_KEYDOWN"},
    };
    for (const auto& n : names)
        if (n.msg == msg) return n.name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", msg);
    return buf;
}

namespace {

bool Matches(const TRecordedMessage& a, const TExpectedMessage& e) {
    if (a.msg != e.msg) return false;
    if ((e.flags & seqSent) && !a.sent) return false;
    if ((e.flags & seqPosted) && a.sent) return false;
    if ((e.flags & seqWParam) && a.wParam != e.wParam) return false;
    if ((e.flags & seqLParam) && a.lParam != e.lParam) return false;
    return true;
}

}  // namespace

bool ExpectSequence(const std::vector<TRecordedMessage>& actual, const std::vector<TExpectedMessage>& expected,
                    std::string* report) {
    size_t a = 0, e = 0;
    bool ok = true;
    while (e < expected.size()) {
        if (a < actual.size() && Matches(actual[a], expected[e])) {
            ++a;
            ++e;
        } else if (expected[e].flags & seqOptional) {
            ++e;
        } else {
            ok = false;
            break;
        }
    }
    if (a != actual.size()) ok = false;
    if (!ok && report) {
        std::string s = "expected:";
        for (const auto& x : expected) s += " " + MessageName(x.msg) + ((x.flags & seqOptional) ? "?" : "");
        s += "\nactual:  ";
        for (const auto& x : actual) s += " " + MessageName(x.msg) + (x.sent ? "" : "(posted)");
        *report = s;
    }
    return ok;
}
