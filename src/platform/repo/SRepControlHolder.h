#pragma once
// The bound controls of a repository dialog, in the order they were added.
#include <memory>
#include <vector>

#include "platform/repo/SRepDlgControl.h"

class SRepControlHolder {
public:
    SRepDlgControl& Add(std::unique_ptr<SRepDlgControl> control);
    void ShowAll(SDlg& dialog);
    // Every control's value into its attribute; the first failure (the rest are still saved).
    HRESULT SaveAll(SDlg& dialog, SRepDialogContext& context);
    int32_t GetCount() const { return static_cast<int32_t>(m_controls.size()); }
    SRepDlgControl* Find(int32_t controlId) const;

private:
    std::vector<std::unique_ptr<SRepDlgControl>> m_controls;
};
