#pragma once
// Event types of the framework's controls and forms. An event is a closure set by the
// component's owner (usually bound to a handler method of the form).
#include <functional>

#include "core/Component.h"

using TNotifyEvent = std::function<void(TComponent* Sender)>;
// Key is the typed character (a UTF-16 unit); setting it to 0 swallows the key.
using TKeyPressEvent = std::function<void(TComponent* Sender, wchar_t& Key)>;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TComponent* Sender, bool& CanClose)>;

// Results of a modal window.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;      // IDOK
constexpr TModalResult mrCancel = 2;  // IDCANCEL
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
