#pragma once
// An edit box bound to a text or number attribute.
#include "platform/repo/SRepDlgControl.h"

class SRepDlgEditField : public SRepDlgControl {
public:
    using SRepDlgControl::SRepDlgControl;
    void Show(SDlg& dialog) override;
    HRESULT Save(SDlg& dialog, SRepDialogContext& context) override;
};
