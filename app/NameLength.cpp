#include "app/NameLength.h"

#include "core/Utf16.h"
#include "ui/MessageDialog.h"

bool RefuseLongName(const std::string& name, int width, const std::string& whose) {
    // The table keeps one byte a letter (code page 1251), so letters are what count.
    size_t letters = 0;
    char32_t cp;
    for (size_t pos = 0; pos < name.size() && DecodeUtf8(name, pos, cp);) ++letters;
    if (width <= 0 || letters <= size_t(width)) return false;
    MessageDlg("Название " + whose + " длиннее " + std::to_string(width) + " знаков. Сократите его.",
               TMsgDlgType::mtWarning, mbOK);
    return true;
}
