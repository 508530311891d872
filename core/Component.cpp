#include "core/Component.h"

#include <algorithm>
#include <cctype>

#include "core/AsciiCase.h"
#include "core/PublishedProperty.h"

namespace {

bool IsIdent(const std::string& s) {
    if (s.empty()) return false;
    auto first = static_cast<unsigned char>(s[0]);
    if (!(std::isalpha(first) || first == '_')) return false;
    return std::all_of(s.begin(), s.end(), [](char ch) {
        auto c = static_cast<unsigned char>(ch);
        return std::isalnum(c) || c == '_';
    });
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    destroying_ = true;
    // Tell everyone who asked that we are going away, before our owned components go.
    auto notifies = freeNotifies_;
    freeNotifies_.clear();
    for (TComponent* c : notifies) {
        c->RemoveFreeNotification(this);
        c->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    destroying_ = true;
    // Reverse order of insertion: the last created goes first.
    while (!components_.empty()) {
        TComponent* c = components_.back();
        delete c;  // its destructor removes it from components_
    }
}

void TComponent::InsertComponent(TComponent* c) {
    if (!c->name_.empty() && FindComponent(c->name_))
        throw Exception("A component named " + c->name_ + " already exists");
    components_.push_back(c);
    c->owner_ = this;
    Notification(c, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* c) {
    auto it = std::find(components_.begin(), components_.end(), c);
    if (it == components_.end()) return;
    components_.erase(it);
    c->owner_ = nullptr;
    Notification(c, TOperation::opRemove);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (EqualsIgnoreAsciiCase(c->name_, name)) return c;
    return nullptr;
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !IsIdent(name)) throw Exception("'" + name + "' is not a valid component name");
    if (owner_ && !name.empty()) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this) throw Exception("A component named " + name + " already exists");
    }
    name_ = name;
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this) return;
    if (std::find(other->freeNotifies_.begin(), other->freeNotifies_.end(), this) == other->freeNotifies_.end())
        other->freeNotifies_.push_back(this);
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end())
        freeNotifies_.push_back(other);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other) return;
    std::erase(other->freeNotifies_, this);
    std::erase(freeNotifies_, other);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::DefineProperties(std::vector<TPublishedProperty>& props) const {
    props.push_back(Property("Name", &TComponent::Name, &TComponent::SetName));
    props.push_back(Property("Tag", &TComponent::Tag, &TComponent::SetTag));
}

void BadPropertyValue(std::string_view property) { throw Exception("Invalid value for " + std::string(property)); }

namespace {

[[noreturn]] void UnknownProperty(std::string_view property) {
    throw Exception("Property " + std::string(property) + " does not exist");
}

}  // namespace

const std::vector<TPublishedProperty>& TComponent::Properties() const {
    if (!propsBuilt_) {
        DefineProperties(props_);
        propsBuilt_ = true;
    }
    return props_;
}

const TPublishedProperty* TComponent::FindProperty(std::string_view name) const {
    for (const auto& p : Properties())
        if (EqualsIgnoreAsciiCase(p.name, name)) return &p;
    return nullptr;
}

bool TComponent::HasProperty(std::string_view name) const { return FindProperty(name) != nullptr; }

Variant TComponent::GetProperty(std::string_view name) const {
    for (const auto& p : Properties())
        if (EqualsIgnoreAsciiCase(p.name, name)) return p.get(*this);
    UnknownProperty(name);
}

void TComponent::SetProperty(std::string_view name, const Variant& value) {
    for (const auto& p : Properties())
        if (EqualsIgnoreAsciiCase(p.name, name)) {
            if (!p.set) throw Exception("Property " + std::string(name) + " is read-only");
            p.set(*this, value);
            return;
        }
    UnknownProperty(name);
}
