#include <windows.h>

#include "skin/platform/SystemColors.h"

namespace skin {

Color SystemColor(int index) {
    if (index < 0 || index > 30) return 0;
    return static_cast<Color>(GetSysColor(index)) & 0xFFFFFF;
}

}  // namespace skin
