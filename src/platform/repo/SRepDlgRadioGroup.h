#pragma once
// Radio buttons bound to one number attribute: each button stands for a value.
#include <utility>
#include <vector>

#include "platform/repo/SRepDlgControl.h"

class SRepDlgRadioGroup : public SRepDlgControl {
public:
    SRepDlgRadioGroup(ISRepObject* object, int32_t attributeId) : SRepDlgControl(0, object, attributeId) {}
    void AddButton(int32_t controlId, int32_t value) { m_buttons.emplace_back(controlId, value); }
    void Show(SDlg& dialog) override;
    HRESULT Save(SDlg& dialog, SRepDialogContext& context) override;

private:
    std::vector<std::pair<int32_t, int32_t>> m_buttons;
};
