#pragma once
// The component base of the framework: ownership (an owner destroys what it owns, in
// reverse order of insertion), names, tags, notifications when an owned or referenced
// component goes away, and published properties readable and settable by name.
// Portable: datasets, data modules, the skin data component and every control are
// components.
#include <any>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Exception.h"
#include "core/Variant.h"

enum class TOperation { opInsert, opRemove };

class TComponent;

// One published property: a name with a getter and a setter over variants.
struct TPublishedProperty {
    TPublishedProperty() = default;
    TPublishedProperty(std::string n, std::function<Variant(const TComponent&)> g,
                       std::function<void(TComponent&, const Variant&)> s)
        : name(std::move(n)), get(std::move(g)), set(std::move(s)) {}

    std::string name;
    std::function<Variant(const TComponent&)> get;
    std::function<void(TComponent&, const Variant&)> set;  // empty = read-only
    // An enumeration: its value names in order; the getter gives the current name.
    std::vector<std::string> enumNames;
    // An object-valued property (Font, Glyph, Images): the object as a typed pointer.
    // Such a property has no variant value (its getter gives Empty).
    std::function<std::any(const TComponent&)> object;
};

class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // The framework class name ("TComponent", "TForm", "TSkinData", ...).
    virtual std::string ClassName() const { return "TComponent"; }

    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* FindComponent(std::string_view name) const;  // ignores Latin letter case

    const std::string& Name() const { return name_; }
    // A name must be a valid identifier and unique among the owner's components.
    virtual void SetName(const std::string& name);
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

    // Asks to be told (Notification opRemove) when `other` is destroyed, though it is
    // not ours: used for references between components of different owners.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    // True while the destructor chain runs (the classic csDestroying state).
    bool Destroying() const { return destroying_; }
    // Called after all properties of a freshly built component are set.
    virtual void Loaded() {}

    // Published properties by name (case-insensitive). Unknown names throw Exception.
    bool HasProperty(std::string_view name) const;
    Variant GetProperty(std::string_view name) const;
    void SetProperty(std::string_view name, const Variant& value);
    // The property of that name, or nullptr: the quiet path for callers (the skin
    // painters) that must do nothing when an object lacks a property.
    const TPublishedProperty* FindProperty(std::string_view name) const;
    // Every published property of this class and its ancestors, ancestors first.
    const std::vector<TPublishedProperty>& Properties() const;

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    // Classes add their published properties here after calling the inherited one
    // (called once per object, on first use).
    virtual void DefineProperties(std::vector<TPublishedProperty>& props) const;
    // Marks the destructor chain as running and frees owned components; a derived
    // destructor that must run before its children are freed calls it first.
    void DestroyComponents();
    void BeginDestroy() { destroying_ = true; }

private:
    void InsertComponent(TComponent* c);
    void RemoveComponent(TComponent* c);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::string name_;
    intptr_t tag_ = 0;
    bool destroying_ = false;
    mutable std::vector<TPublishedProperty> props_;
    mutable bool propsBuilt_ = false;
};
