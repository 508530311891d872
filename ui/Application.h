#pragma once
// TApplication: the object that owns the forms (created in order, freed in reverse
// order), runs the message loop until the main form closes, keeps the title and the
// hint timings, and shows every exception that escapes an event handler in the error
// display: a message box with the message (see ErrorText.h), the title as caption, the
// error icon and one OK button.
#include <windows.h>

#include <string>

#include "core/Component.h"
#include "ui/Form.h"

class TApplication : public TComponent {
public:
    // Sets the global Application; there is one at a time.
    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    void Initialize() {}
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    // The hidden window of class "TApplication" that stands for the application.
    HWND Handle() const { return handle_; }

    // Creates a form or data module owned by the application and stores it in `ref`
    // before its creation event runs. The first form becomes the main form.
    template <class T>
    void CreateForm(T*& ref) {
        T* instance = new T(this);
        ref = instance;
        if (auto* form = dynamic_cast<TCustomForm*>(instance)) {
            if (!mainForm_) mainForm_ = form;
            form->AfterConstruction();
        }
    }
    TCustomForm* MainForm() const { return mainForm_; }

    // Shows the main form and handles messages until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Waits for one message and handles it.
    void HandleMessage();
    // Handles the messages already waiting.
    void ProcessMessages();

    // The error display for the exception being handled (call it inside a catch).
    static void HandleCurrentException();
    void ShowException(const Exception& e);
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);

    // Hint timings in milliseconds.
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int ms) { hintShortPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }

private:
    bool ProcessOne(MSG& msg);
    // Keyboard messages go to the framework control first (Tab, Enter, Escape, Alt+key).
    bool IsKeyMsg(const MSG& msg);
    HWND ErrorBoxOwner() const;

    std::string title_;
    HWND handle_ = nullptr;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    int hintPause_ = 500;
    int hintShortPause_ = 50;
    int hintHidePause_ = 2500;
    bool showHint_ = true;
};

extern TApplication* Application;
