#pragma once
// Published properties of any component reached by name, for controls the painters know
// only by class name. Quiet by design: a nil object, a missing property, a read-only
// one or a value it refuses all do nothing (getters give empty text, nil or -1), because
// a painter must never break the control it paints.
#include <any>
#include <string>
#include <string_view>

#include "core/Component.h"

namespace skin {

// Enumerations (and Booleans) by value name, ordinals as decimal text, anything else empty.
std::string GetProperty(const TComponent* object, std::string_view name);
// The ordinal value (an enumeration's position, a Boolean's 0/1), or -1.
int GetIntProperty(const TComponent* object, std::string_view name);
// The value name of an enumeration or a Boolean, else empty.
std::string GetEnumProperty(const TComponent* object, std::string_view name);
// A string property as UTF-16, else empty.
std::u16string GetStringProp(const TComponent* object, std::string_view name);
// Sets an enumeration by value name, an ordinal from decimal text, or a string.
void SetProperty(TComponent* object, std::string_view name, std::string_view value);

// The object behind an object-valued property when it is a T, else nullptr.
std::any GetObjPropAny(const TComponent* object, std::string_view name);
template <class T>
T* GetObjProp(const TComponent* object, std::string_view name) {
    std::any value = GetObjPropAny(object, name);
    if (T* const* p = std::any_cast<T*>(&value)) return *p;
    return nullptr;
}

}  // namespace skin
