#pragma once
// The "Card Layout" dialog: one grid line for every row of a form (one a field of the card) with
// the row's fields and whether the row is shown, edited in place. Rows can be neither added nor
// removed. The edits live in the dialog's context until OK keeps them or Cancel drops them. A
// null form closes the dialog at once with E_POINTER.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/repo/SRepGridDialog.h"
#include "varod9/ISRptForm.h"

struct ISRepSession;

class SRptDlgFormLayout : public SRepGridDialog {
public:
    static constexpr uint32_t IDD = 236;
    static constexpr int32_t IDC_GRID = 1138;
    static constexpr uint32_t kHelpContext = 10023;

    SRptDlgFormLayout(ISRepSession* session, ISRptForm* form);

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgFormLayout; }
    static const SClassInfo classSRptDlgFormLayout;

protected:
    void SetGridRoot() override;

private:
    SComWrap<ISRptForm> m_form;
};
