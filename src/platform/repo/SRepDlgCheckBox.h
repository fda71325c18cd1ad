#pragma once
// A check box bound to a boolean attribute.
#include "platform/repo/SRepDlgControl.h"

class SRepDlgCheckBox : public SRepDlgControl {
public:
    using SRepDlgControl::SRepDlgControl;
    void Show(SDlg& dialog) override;
    HRESULT Save(SDlg& dialog, SRepDialogContext& context) override;
};
