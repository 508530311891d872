#include "skin/controls/PropertyAccess.h"

#include <charconv>

#include "core/AsciiCase.h"
#include "skin/data/WideText.h"

namespace skin {

namespace {

const TPublishedProperty* Find(const TComponent* object, std::string_view name) {
    return object ? object->FindProperty(name) : nullptr;
}

bool IsEnum(const TPublishedProperty& p, const Variant& v) {
    return v.Type() == VarType::Boolean || (!p.enumNames.empty() && v.Type() == VarType::String);
}

// Reads the value; a getter that throws counts as no value.
bool Read(const TComponent& object, const TPublishedProperty& p, Variant& out) {
    if (!p.get || p.object) return false;
    try {
        out = p.get(object);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

bool ParseInt(std::string_view text, int32_t& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

std::string GetEnumProperty(const TComponent* object, std::string_view name) {
    const TPublishedProperty* p = Find(object, name);
    Variant v;
    if (!p || !Read(*object, *p, v) || !IsEnum(*p, v)) return {};
    if (v.Type() == VarType::Boolean) return v.BoolValue() ? "True" : "False";
    return v.StringValue();
}

std::string GetProperty(const TComponent* object, std::string_view name) {
    const TPublishedProperty* p = Find(object, name);
    Variant v;
    if (!p || !Read(*object, *p, v)) return {};
    if (IsEnum(*p, v)) return GetEnumProperty(object, name);
    if (v.Type() == VarType::Integer) return std::to_string(v.IntValue());
    return {};
}

int GetIntProperty(const TComponent* object, std::string_view name) {
    const TPublishedProperty* p = Find(object, name);
    Variant v;
    if (!p || !Read(*object, *p, v)) return -1;
    if (v.Type() == VarType::Integer) return static_cast<int>(v.IntValue());
    if (v.Type() == VarType::Boolean) return v.BoolValue() ? 1 : 0;
    if (IsEnum(*p, v))
        for (size_t i = 0; i < p->enumNames.size(); ++i)
            if (p->enumNames[i] == v.StringValue()) return static_cast<int>(i);
    return -1;
}

std::u16string GetStringProp(const TComponent* object, std::string_view name) {
    const TPublishedProperty* p = Find(object, name);
    Variant v;
    if (!p || !Read(*object, *p, v) || v.Type() != VarType::String || !p->enumNames.empty()) return {};
    return StrToWideStr(v.StringValue());
}

void SetProperty(TComponent* object, std::string_view name, std::string_view value) {
    const TPublishedProperty* p = Find(object, name);
    Variant current;
    if (!p || !p->set || !Read(*object, *p, current)) return;
    try {
        if (current.Type() == VarType::Boolean) {
            std::string lower = AsciiLower(std::string(value));
            if (lower == "true" || lower == "false") p->set(*object, Variant(lower == "true"));
        } else if (!p->enumNames.empty()) {
            for (const std::string& n : p->enumNames)
                if (EqualsIgnoreAsciiCase(n, value)) p->set(*object, Variant(n));
        } else if (current.Type() == VarType::Integer) {
            int32_t number = 0;
            if (ParseInt(value, number)) p->set(*object, Variant(number));
        } else if (current.Type() == VarType::String) {
            p->set(*object, Variant(std::string(value)));
        }
    } catch (const Exception&) {
        // The property refused the value: it keeps the one it had.
    }
}

std::any GetObjPropAny(const TComponent* object, std::string_view name) {
    const TPublishedProperty* p = Find(object, name);
    if (!p || !p->object) return {};
    try {
        return p->object(*object);
    } catch (const Exception&) {
        return {};
    }
}

}  // namespace skin
