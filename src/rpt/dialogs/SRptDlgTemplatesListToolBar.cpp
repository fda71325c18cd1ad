#include "rpt/dialogs/SRptDlgTemplatesListToolBar.h"

int32_t SRptDlgTemplatesListToolBar::EnableButton(uint32_t command, int32_t enable) {
    for (Button& button : m_buttons) {
        if (button.style == kStyleSeparator || button.command != command) continue;
        button.state = static_cast<uint8_t>(enable ? (button.state | kStateEnabled) : (button.state & ~kStateEnabled));
        return 1;
    }
    return 0;
}

bool SRptDlgTemplatesListToolBar::IsButtonEnabled(uint32_t command) const {
    for (const Button& button : m_buttons)
        if (button.style != kStyleSeparator && button.command == command) return (button.state & kStateEnabled) != 0;
    return false;
}
