#pragma once
// A text file: its absolute path, which the writers open themselves; it has no text of its own.
#include "rpt/devices/helpers/SRptOutputHelper.h"

class SRptOutputHelperTextFile : public SRptOutputHelper {
public:
    using SRptOutputHelper::SRptOutputHelper;
    HRESULT Init(IUnknown* client) override;
    SString GetText() override;
    // The path.
    SString GetFirstText() override;

private:
    SString m_path;
};
