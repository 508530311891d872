#include "skin/manager/WindowClassifier.h"

#include "core/AsciiCase.h"
#include "skin/data/SkinData.h"

namespace skin {

namespace {

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

bool NestedForm(const TWindowFacts& w) {
    return (w.Style & kWsChild) && !(w.ExStyle & kWsExMdiChild) && AsciiLower(w.ParentClassName) != "mdiclient";
}

bool IsDialogClass(const std::string& className) {
    std::string lower = AsciiLower(className);
    return lower == "#32770" || lower == "tmessageform";
}

TSkinRefusal CheckWindow(const TWindowFacts& w, bool forceSkin) {
    if (!w.Handle) return TSkinRefusal::NoWindow;
    if (w.AnswersSkinned) return TSkinRefusal::AlreadySkinned;
    if (!forceSkin && NestedForm(w)) return TSkinRefusal::Nested;
    if (!w.Form && !w.OwnModule && w.ClassName != "#32770") return TSkinRefusal::ForeignModule;
    if (!w.HasArea && !(w.ExStyle & kWsExMdiChild)) return TSkinRefusal::NoArea;
    if (w.Form && w.Form->Tag() == kNoSkinTag) return TSkinRefusal::DisabledTag;
    // The hint window and the framework's hidden utility window belong to the program
    // too, but they are not forms and never get a frame.
    if (Contains(w.ClassName, "TcxPopupEditPopupWindow") || Contains(w.ClassName, "TTERenderWindow") ||
        w.ClassName == "TApplication" || w.ClassName == "THintWindow" || w.ClassName == "TPUtilWindow")
        return TSkinRefusal::ExcludedClass;
    return TSkinRefusal::None;
}

TSkinData* FindSkindata(const std::vector<TSkinData*>& skinDatas, const TWindowFacts& w,
                        const std::function<std::uintptr_t(TComponent*)>& windowOf) {
    auto lastOf = [&](auto match) -> TSkinData* {
        for (auto it = skinDatas.rbegin(); it != skinDatas.rend(); ++it)
            if (match(**it)) return *it;
        return nullptr;
    };
    if (TSkinData* own = lastOf([&](TSkinData& d) {
            return d.SkinFormtype == sfOnlyThisForm && d.Owner() && windowOf(d.Owner()) == w.Handle;
        }))
        return own;
    if (IsDialogClass(w.ClassName))
        if (TSkinData* dialog = lastOf([](TSkinData& d) { return d.SkinFormtype == sfDialog; })) return dialog;
    if (TSkinData* main = lastOf([](TSkinData& d) { return d.SkinFormtype == sfMainform; })) return main;
    return skinDatas.empty() ? nullptr : skinDatas.front();
}

bool OnBeforeSkin(TSkinData* main, const TWindowFacts& w) {
    bool doSkin = true;
    if (!main) return doSkin;
    if (!main->Options.Contains(xoPreview) && Contains(AsciiLower(w.ClassName), "preview")) doSkin = false;
    if (w.ClassName == "#32770" && (w.Style & kDialogNoSkinStyle)) doSkin = false;
    main->DoFormSkin(w.Handle, w.ClassName, doSkin);
    return doSkin;
}

}  // namespace skin
