#pragma once
// A face that an item may carry besides its class interface: the template calls it around adding
// a new copy of the item to its contents. A result other than S_OK from either call makes the
// template drop the new copy again.
#include "platform/com/IUnknown.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptAddToContents : IUnknown {
    static constexpr GUID iid = MakeGUID("{E5E95650-B72F-11D1-8898-00A02455633B}");

    // Before the item goes into its parent's Items.
    virtual HRESULT OnPreAddToContents() noexcept = 0;
    // After it went in.
    virtual HRESULT OnPostAddToContents() noexcept = 0;

protected:
    ~ISRptAddToContents() = default;
};

inline constexpr IID IID_ISRptAddToContents = ISRptAddToContents::iid;
