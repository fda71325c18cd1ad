#pragma once
// The host's companion of a generation run: told when the run starts and around each template.
// Only the answer to OnGenerationStart is read: a negative code stops the run before anything is
// generated.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "varod9/RptExport.h"

struct RPT_EXPORT ISRptGenerationClient : IUnknown {
    // The host supplies this object, so its id is ours to choose.
    static constexpr GUID iid = MakeGUID("{6D3C1F2A-9B4E-4C55-A7E1-2F0B8C9D4E31}");

    virtual HRESULT OnGenerationStart() = 0;
    virtual HRESULT OnTemplateStart(int32_t nIndex) = 0;
    virtual HRESULT OnTemplateEnd(int32_t nIndex) = 0;
    virtual HRESULT OnTemplateDone() = 0;

protected:
    ~ISRptGenerationClient() = default;
};

inline constexpr IID IID_ISRptGenerationClient = ISRptGenerationClient::iid;
