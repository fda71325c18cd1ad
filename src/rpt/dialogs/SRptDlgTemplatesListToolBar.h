#pragma once
// The toolbar of the templates list: a row of buttons, each an image, a command, a state and a
// style, with the images they draw from and the tool tip that names them. The list enables and
// disables its Properties button as the list fills.
#include <cstdint>
#include <vector>

#include "platform/base/HINSTANCE.h"
#include "platform/ui/SImageList.h"
#include "platform/ui/SWnd.h"

class SToolTipCtrl;

class SRptDlgTemplatesListToolBar : public SWnd {
public:
    static constexpr uint8_t kStateEnabled = 0x04;
    static constexpr uint8_t kStyleButton = 0x00;
    static constexpr uint8_t kStyleSeparator = 0x01;

    struct Button {
        int32_t image;
        uint32_t command;
        uint8_t state;
        uint8_t style;
    };

    void SetToolTips(SToolTipCtrl* toolTips) { m_toolTips = toolTips; }
    SToolTipCtrl* GetToolTips() const { return m_toolTips; }
    // The size of the button records the owner hands over; kept as the control keeps it.
    void SetButtonStructSize(uint32_t size) { m_buttonStructSize = size; }
    uint32_t GetButtonStructSize() const { return m_buttonStructSize; }
    // Adds `count` images of a module's bitmap; the index of the first.
    int32_t AddBitmap(HINSTANCE instance, uint32_t bitmapId, int32_t count) {
        return m_images.AddBitmap(instance, bitmapId, count);
    }
    int32_t GetImageCount() const { return m_images.GetImageCount(); }
    void AddButtons(const Button* buttons, int32_t count) { m_buttons.insert(m_buttons.end(), buttons, buttons + count); }
    int32_t GetButtonCount() const { return static_cast<int32_t>(m_buttons.size()); }
    const Button& GetButton(int32_t index) const { return m_buttons[static_cast<size_t>(index)]; }
    // 1 when the toolbar has a button of the command.
    int32_t EnableButton(uint32_t command, int32_t enable);
    bool IsButtonEnabled(uint32_t command) const;

private:
    SToolTipCtrl* m_toolTips = nullptr;
    uint32_t m_buttonStructSize = 0;
    SImageList m_images;
    std::vector<Button> m_buttons;
};
