// The published properties of TSkinData as the form reads and writes them by name, and
// ChangeProperty for enumerated properties of other components.
#include <cctype>

#include "core/AsciiCase.h"
#include "core/PublishedProperty.h"
#include "skin/data/SkinData.h"

namespace skin {

namespace {

bool BoolOf(const Variant& v, const char* property) {
    if (v.Type() == VarType::Boolean) return v.BoolValue();
    if (v.Type() == VarType::String) {
        std::string s = AsciiLower(v.StringValue());
        if (s == "true") return true;
        if (s == "false") return false;
    }
    BadPropertyValue(property);
}

// "[xcMainMenu,xcPopupMenu]" <-> bits.
template <typename NameOf>
std::string SetText(uint32_t bits, int count, NameOf nameOf) {
    std::string s = "[";
    for (int i = 0; i < count; ++i)
        if (bits & (1u << i)) {
            if (s.size() > 1) s += ',';
            s += nameOf(i);
        }
    return s + "]";
}

template <typename FromName>
uint32_t SetBits(const Variant& v, FromName fromName, const char* property) {
    if (v.Type() == VarType::Integer) return static_cast<uint32_t>(v.IntValue());
    if (v.Type() != VarType::String) BadPropertyValue(property);
    std::string text = v.StringValue();
    uint32_t bits = 0;
    std::string word;
    auto flush = [&] {
        if (word.empty()) return;
        int m = fromName(word);
        if (m < 0) BadPropertyValue(property);
        bits |= 1u << m;
        word.clear();
    };
    for (char c : text) {
        if (c == '[' || c == ']' || c == ',' || std::isspace(static_cast<unsigned char>(c)))
            flush();
        else
            word += c;
    }
    flush();
    return bits;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t i = 0;
    while (i < text.size()) {
        size_t e = text.find_first_of("\r\n", i);
        if (e == std::string::npos) {
            lines.push_back(text.substr(i));
            break;
        }
        lines.push_back(text.substr(i, e - i));
        i = e + (text[e] == '\r' && e + 1 < text.size() && text[e + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

// An enumeration's value name: a lower-case prefix and a capitalised name ("bsNone").
bool LooksLikeValueName(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && std::islower(static_cast<unsigned char>(s[i]))) ++i;
    if (i == 0 || i == s.size() || !std::isupper(static_cast<unsigned char>(s[i]))) return false;
    for (; i < s.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(s[i])) && s[i] != '_') return false;
    return true;
}

}  // namespace

void TSkinData::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TComponent::DefineProperties(props);
    auto self = [](TComponent& c) -> TSkinData& { return static_cast<TSkinData&>(c); };
    auto cself = [](const TComponent& c) -> const TSkinData& { return static_cast<const TSkinData&>(c); };

    props.push_back({"Active", [=](const TComponent& c) { return Variant(cself(c).Active()); },
                     [=](TComponent& c, const Variant& v) { self(c).SetActive(BoolOf(v, "Active")); }});
    props.push_back(Property("DisableTag", &TSkinData::DisableTag, &TSkinData::DisableTag));
    props.push_back({"SkinControls",
                     [=](const TComponent& c) {
                         return Variant(
                             SetText(cself(c).SkinControls.Bits(), SkinControlTypeCount, SkinControlTypeName));
                     },
                     [=](TComponent& c, const Variant& v) {
                         self(c).SkinControls = TSkinControlSet(SetBits(v, SkinControlTypeFromName, "SkinControls"));
                     }});
    props.push_back({"Options",
                     [=](const TComponent& c) {
                         return Variant(SetText(cself(c).Options.Bits(), SkinOptionCount, SkinOptionName));
                     },
                     [=](TComponent& c, const Variant& v) {
                         self(c).Options = TSkinOptionSet(SetBits(v, SkinOptionFromName, "Options"));
                     }});
    props.push_back({"Skin3rd",
                     [=](const TComponent& c) {
                         std::string text;
                         for (const auto& line : cself(c).Skin3rd) text += line + "\r\n";
                         return Variant(text);
                     },
                     [=](TComponent& c, const Variant& v) {
                         if (v.Type() != VarType::String) BadPropertyValue("Skin3rd");
                         self(c).Skin3rd = SplitLines(v.StringValue());
                     }});
    props.push_back(Property("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile));
    // Display only: writes are ignored.
    props.push_back({"SkinStore", [=](const TComponent& c) { return Variant(cself(c).SkinStore()); },
                     [](TComponent&, const Variant&) {}});
    props.push_back({"SkinFormtype",
                     [=](const TComponent& c) { return Variant(std::string(SkinFormTypeName(cself(c).SkinFormtype))); },
                     [=](TComponent& c, const Variant& v) {
                         int m = -1;
                         if (v.Type() == VarType::String) m = SkinFormTypeFromName(v.StringValue());
                         if (v.Type() == VarType::Integer && v.IntValue() >= 0 && v.IntValue() <= sfDLL)
                             m = static_cast<int>(v.IntValue());
                         if (m < 0) BadPropertyValue("SkinFormtype");
                         self(c).SkinFormtype = static_cast<TSkinFormType>(m);
                     }});
    props.push_back(
        {"Version", [](const TComponent&) { return Variant(TSkinData::Version); }, [](TComponent&, const Variant&) {}});
    props.push_back({"MenuUpdate", [=](const TComponent& c) { return Variant(cself(c).MenuUpdate); },
                     [=](TComponent& c, const Variant& v) { self(c).MenuUpdate = BoolOf(v, "MenuUpdate"); }});
    props.push_back({"MenuMerge", [=](const TComponent& c) { return Variant(cself(c).MenuMerge); },
                     [=](TComponent& c, const Variant& v) { self(c).MenuMerge = BoolOf(v, "MenuMerge"); }});
}

void TSkinData::ChangeProperty(TComponent* object, const std::string& propertyName, const std::string& value) {
    if (!object || !object->HasProperty(propertyName)) return;
    try {
        Variant current = object->GetProperty(propertyName);
        if (current.Type() == VarType::Boolean) {
            std::string v = AsciiLower(value);
            if (v == "true" || v == "false") object->SetProperty(propertyName, Variant(v == "true"));
        } else if (current.Type() == VarType::String && LooksLikeValueName(current.StringValue()) &&
                   LooksLikeValueName(value)) {
            object->SetProperty(propertyName, Variant(value));
        }
    } catch (const Exception&) {
        // A read-only property or a value the property refuses: left as it was.
    }
}

}  // namespace skin
