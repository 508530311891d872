#include "tests/e2e/common/E2eActions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/U_main.h"
#include "tests/e2e/common/E2eInput.h"
#include "ui/WinControl.h"

Step When(std::function<bool()> ready, std::function<void()> act) { return {std::move(ready), std::move(act)}; }

Step Do(std::function<void()> act) {
    return {[] { return true; }, std::move(act)};
}

Step WhenShown(TWinControl* form, std::function<void()> act) {
    return {[form] { return Shown(*form); }, std::move(act)};
}

Step WhenHidden(TWinControl* form, std::function<void()> act) {
    return {[form] { return Hidden(*form); }, std::move(act)};
}

Step AnswerDialog(std::vector<TSeenDialog>& seen) {
    return {[] { return OpenMessageDialog() != nullptr; }, [&seen] { AnswerOpenDialog(seen); }};
}

bool MainShown() { return Form1 && Shown(*Form1); }

namespace {

TWinControl* FindCaptioned(TComponent& owner, const std::string& caption) {
    for (TComponent* c : owner.Components()) {
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Caption() == caption) return w;
        if (TWinControl* inner = FindCaptioned(*c, caption)) return inner;
    }
    return nullptr;
}

}  // namespace

TWinControl* Captioned(TComponent& form, const std::string& caption) {
    TWinControl* w = FindCaptioned(form, caption);
    if (!w) ADD_FAILURE() << "no control captioned \"" << caption << "\"";
    return w;
}

void PressButton(TComponent& form, const std::string& caption) {
    if (TWinControl* b = Captioned(form, caption)) ClickAt(*b);
}

void PostPress(TComponent& form, const std::string& caption) {
    if (TWinControl* b = Captioned(form, caption)) PostClick(b);
}

void ChooseCategory(const std::string& name) {
    const auto& items = Form1->CBCateg->Items();
    auto it = std::find(items.begin(), items.end(), name);
    if (it == items.end()) {
        ADD_FAILURE() << "no category " << name << " in the main window's list";
        return;
    }
    Form1->CBCateg->SetItemIndex(static_cast<int>(it - items.begin()));
    Form1->CBCategChange(Form1->CBCateg);
}
