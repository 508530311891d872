#pragma once
// The framework's own message dialog (window class "TMessageForm"), not the system
// message box: an icon of its kind, the text, and a centred row of buttons, sized to the
// text like the classic dialog, centred on the screen and shown modally. Enter presses
// the default button (OK, else Yes), Escape the cancel one (Cancel, else No, else OK).
//
//   MessageDlg("Вы не ввели название продукта.", TMsgDlgType::mtWarning, mbOKOnly);
//   if (MessageDlg("Delete record?", TMsgDlgType::mtConfirmation, mbOK | mbCancel) == mrOk) ...
#include <string>

#include "ui/Form.h"

// The dialog's kind: caption and icon. Captions are the framework's own English words.
enum class TMsgDlgType {
    mtWarning,       // "Warning", exclamation icon
    mtError,         // "Error", stop icon
    mtInformation,   // "Information", information icon
    mtConfirmation,  // "Confirm", question icon
    mtCustom         // the application title, no icon
};

// Buttons, combined with |; they stand in this order from left to right.
using TMsgDlgButtons = unsigned;
enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0,     // "&Yes"       mrYes
    mbNo = 1u << 1,      // "&No"        mrNo
    mbOK = 1u << 2,      // "OK"         mrOk
    mbCancel = 1u << 3,  // "Cancel"     mrCancel
    mbAbort = 1u << 4,   // "&Abort"     mrAbort
    mbRetry = 1u << 5,   // "&Retry"     mrRetry
    mbIgnore = 1u << 6,  // "&Ignore"    mrIgnore
};
inline constexpr TMsgDlgButtons mbOKOnly = mbOK;
inline constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
inline constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
inline constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;

// The caption of a kind ("Warning", "Information", ...); mtCustom gives the
// application's title.
std::string MsgDlgCaption(TMsgDlgType type);

class TMessageForm : public TForm {
public:
    // Builds the dialog: font, icon (component "Image"), text (label "Message"), the
    // buttons (named "OK", "Cancel", "Yes", ...) and its size and place. Owned by `owner`
    // (may be null: the caller frees it).
    TMessageForm(TComponent* owner, const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
    std::string ClassName() const override { return "TMessageForm"; }

    TMsgDlgType DlgType() const { return type_; }
    const std::string& MessageText() const { return text_; }
    // The system icon shown (IDI_WARNING, IDI_ERROR, ... as a number), 0 for none.
    int IconId() const;

private:
    TMsgDlgType type_;
    std::string text_;
};

// Makes the dialog without showing it; the caller frees it (or gives it an owner).
TMessageForm* CreateMessageDialog(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
// Shows the dialog modally and returns the modal result of the button pressed (mrOk,
// mrCancel, mrYes, ...); closing it with the close box gives mrCancel.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
// The dialog with the application's title as caption, no icon and one "OK" button.
void ShowMessage(const std::string& text);
