#pragma once
// What ties a layout row to its window class: the member that receives the built
// component, the member holding its parent, and the window's handlers for its events.
// Each is made from a pointer to a member of the window class and checks, when the
// window is built, that the form is of that class and the component fits the member.
#include <functional>
#include <string>
#include <type_traits>

#include "core/Component.h"
#include "core/Exception.h"
#include "ui/Events.h"

namespace layout_detail {

// The form as the window class a row's member or handler belongs to.
template <class F>
F& FormAs(TComponent& form, const char* name) {
    auto* f = dynamic_cast<F*>(&form);
    if (!f) throw Exception(std::string("Строка ") + name + " описания окна относится к другому окну");
    return *f;
}

}  // namespace layout_detail

// The component's name and the member it is stored into. Rows write it as
// LAYOUT_MEMBER(TWindow, Name), so that the name is spelled once.
class TLayoutMember {
public:
    TLayoutMember() = default;
    template <class F, class T>
    TLayoutMember(const char* name, T* F::*member)
        : name_(name), store_([member, name](TComponent& form, TComponent* made) {
              static_assert(std::is_base_of_v<TComponent, T>, "a layout member holds a component");
              F& f = layout_detail::FormAs<F>(form, name);
              auto* typed = dynamic_cast<T*>(made);
              if (!typed)
                  throw Exception(std::string("Вид элемента ") + name + " в описании окна не подходит к его полю");
              f.*member = typed;
          }) {}

    const char* Name() const { return name_; }
    // Stores the built component; a form of another class or a component the member
    // cannot hold is a programming error reported at once.
    void Store(TComponent& form, TComponent* made) const {
        if (!store_) throw Exception("Строка описания окна не указывает своё поле");
        store_(form, made);
    }

private:
    const char* name_ = "";
    std::function<void(TComponent&, TComponent*)> store_;
};

#define LAYOUT_MEMBER(Window, member) TLayoutMember(#member, &Window::member)

// The member holding a row's parent (a container, or the menu of a menu item), read
// when the row is built, so the parent's row must come first.
class TLayoutParent {
public:
    TLayoutParent() = default;
    template <class F, class T>
    TLayoutParent(T* F::*member)
        : read_([member](TComponent& form) -> TComponent* {
              static_assert(std::is_base_of_v<TComponent, T>, "a layout parent is a component");
              return layout_detail::FormAs<F>(form, "parent").*member;
          }) {}

    explicit operator bool() const { return static_cast<bool>(read_); }
    // The parent component; one not built yet is a programming error reported at once.
    TComponent* Read(TComponent& form, const char* child) const {
        TComponent* p = read_(form);
        if (!p) throw Exception(std::string("Родитель элемента ") + child + " ещё не построен");
        return p;
    }

private:
    std::function<TComponent*(TComponent&)> read_;
};

// A window's handler of a notify event (OnClick, OnChange).
class TLayoutHandler {
public:
    TLayoutHandler() = default;
    TLayoutHandler(std::nullptr_t) {}
    template <class F>
    TLayoutHandler(void (F::*handler)(TComponent*))
        : bind_([handler](TComponent& form) -> TNotifyEvent {
              F& f = layout_detail::FormAs<F>(form, "handler");
              return [&f, handler](TComponent* sender) { (f.*handler)(sender); };
          }) {}

    explicit operator bool() const { return static_cast<bool>(bind_); }
    TNotifyEvent For(TComponent& form) const { return bind_ ? bind_(form) : TNotifyEvent(); }

private:
    std::function<TNotifyEvent(TComponent&)> bind_;
};

// A window's handler of key presses (OnKeyPress).
class TLayoutKeyHandler {
public:
    TLayoutKeyHandler() = default;
    TLayoutKeyHandler(std::nullptr_t) {}
    template <class F>
    TLayoutKeyHandler(void (F::*handler)(TComponent*, wchar_t&))
        : bind_([handler](TComponent& form) -> TKeyPressEvent {
              F& f = layout_detail::FormAs<F>(form, "handler");
              return [&f, handler](TComponent* sender, wchar_t& key) { (f.*handler)(sender, key); };
          }) {}

    explicit operator bool() const { return static_cast<bool>(bind_); }
    TKeyPressEvent For(TComponent& form) const { return bind_ ? bind_(form) : TKeyPressEvent(); }

private:
    std::function<TKeyPressEvent(TComponent&)> bind_;
};
