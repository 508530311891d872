#pragma once
// Typed helpers for the per-class tables of published properties: an entry is made from
// a getter and a setter (member functions or a field), and the value's C++ type decides
// how it travels as a Variant. Every refused value throws the same error.
//   props.push_back(Property("Left", &TControl::Left, &TControl::SetLeft));
//   props.push_back(Property("DisableTag", &TSkinData::DisableTag, &TSkinData::DisableTag));
//   props.push_back(EnumNameProperty("BevelInner", &TCustomPanel::BevelInner, kCutNames));
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/Component.h"

// The error of a value of the wrong type (or outside what the property takes).
[[noreturn]] void BadPropertyValue(std::string_view property);

namespace published_detail {

// The class a getter or setter belongs to.
template <class M>
struct MemberClass;
template <class C, class R>
struct MemberClass<R C::*> {
    using type = C;
};
template <class C, class R, class... A>
struct MemberClass<R (C::*)(A...)> {
    using type = C;
};
template <class C, class R, class... A>
struct MemberClass<R (C::*)(A...) const> {
    using type = C;
};

// Integers (colours, sizes, counts) and enumerations travel as Integer; floating-point
// values as Double, and Integer is accepted on the way in.
template <class V>
Variant ToVariant(const V& value) {
    if constexpr (std::is_same_v<V, bool>)
        return Variant(value);
    else if constexpr (std::is_enum_v<V> || std::is_integral_v<V>)
        return Variant(static_cast<int32_t>(value));
    else if constexpr (std::is_floating_point_v<V>)
        return Variant(static_cast<double>(value));
    else
        return Variant(std::string(value));
}

template <class V>
V FromVariant(const Variant& v, std::string_view property) {
    if constexpr (std::is_same_v<V, bool>) {
        if (v.Type() != VarType::Boolean) BadPropertyValue(property);
        return v.BoolValue();
    } else if constexpr (std::is_integral_v<V>) {
        if (v.Type() != VarType::Integer) BadPropertyValue(property);
        return static_cast<V>(v.IntValue());
    } else if constexpr (std::is_floating_point_v<V>) {
        if (v.Type() == VarType::Integer) return static_cast<V>(v.IntValue());
        if (v.Type() != VarType::Double && v.Type() != VarType::Single) BadPropertyValue(property);
        return static_cast<V>(v.FloatValue());
    } else {
        static_assert(std::is_same_v<V, std::string>, "a published property is bool, a number or a string");
        if (v.Type() != VarType::String) BadPropertyValue(property);
        return v.StringValue();
    }
}

template <class C, class G>
auto Read(const C& object, G get) {
    if constexpr (std::is_member_object_pointer_v<G>)
        return object.*get;
    else
        return std::invoke(get, object);
}

}  // namespace published_detail

// A property read through `get` (a const member function or a field) and, when `set` is
// given, written through it (a member function taking the value, or the same field).
template <class G, class S = std::nullptr_t>
TPublishedProperty Property(const char* name, G get, S set = nullptr) {
    using C = typename published_detail::MemberClass<G>::type;
    using V = std::remove_cvref_t<decltype(published_detail::Read(std::declval<const C&>(), get))>;
    TPublishedProperty p{name,
                         [get](const TComponent& c) {
                             return published_detail::ToVariant(published_detail::Read(static_cast<const C&>(c), get));
                         },
                         nullptr};
    if constexpr (!std::is_null_pointer_v<S>) {
        using W = typename published_detail::MemberClass<S>::type;
        p.set = [set, name](TComponent& c, const Variant& v) {
            V value = published_detail::FromVariant<V>(v, name);
            if constexpr (std::is_member_object_pointer_v<S>)
                static_cast<W&>(c).*set = value;
            else
                (static_cast<W&>(c).*set)(value);
        };
    }
    return p;
}

// A read-only enumeration shown by its value names, in the enumeration's order.
template <class G, std::size_t N>
TPublishedProperty EnumNameProperty(const char* name, G get, const char* const (&names)[N]) {
    using C = typename published_detail::MemberClass<G>::type;
    TPublishedProperty p{
        name,
        [get, &names](const TComponent& c) {
            return Variant(names[static_cast<int>(published_detail::Read(static_cast<const C&>(c), get))]);
        },
        nullptr};
    p.enumNames.assign(std::begin(names), std::end(names));
    return p;
}

// A read-only object-valued property (a font, a glyph bitmap, an image list): `get` gives
// a pointer to the object (nullptr when there is none).
template <class G>
TPublishedProperty ObjectProperty(const char* name, G get) {
    using C = typename published_detail::MemberClass<G>::type;
    TPublishedProperty p{name, [](const TComponent&) { return Variant(); }, nullptr};
    p.object = [get](const TComponent& c) -> std::any { return published_detail::Read(static_cast<const C&>(c), get); };
    return p;
}

// A read-only value the class shows through a function of its own (`show(object)`).
template <class C, class F>
TPublishedProperty ShownProperty(const char* name, F show) {
    return {name, [show](const TComponent& c) { return Variant(show(static_cast<const C&>(c))); }, nullptr};
}
