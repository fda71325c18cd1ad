#pragma once
// The "List Layout" dialog: one grid line for every column of a list (the cells of its first
// row) with the column's name, width, enabled flag and sorted flag, edited in place. Columns can
// be neither added nor removed. The edits live in the dialog's context until OK keeps them or
// Cancel drops them. A null list, or one without rows, closes the dialog at once with E_POINTER.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/repo/SRepGridDialog.h"
#include "varod9/ISRptList.h"

struct ISRepSession;

class SRptDlgListLayout : public SRepGridDialog {
public:
    static constexpr uint32_t IDD = 235;
    static constexpr int32_t IDC_GRID = 1137;
    static constexpr uint32_t kHelpContext = 10022;

    SRptDlgListLayout(ISRepSession* session, ISRptList* list);

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgListLayout; }
    static const SClassInfo classSRptDlgListLayout;

protected:
    void SetGridRoot() override;

private:
    SComWrap<ISRptList> m_list;
};
