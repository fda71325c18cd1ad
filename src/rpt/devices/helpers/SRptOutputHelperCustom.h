#pragma once
// An item whose content a host module supplies: the title and the object that the module's
// group procedures give for the node's occurrence.
#include "rpt/devices/helpers/SRptOutputHelper.h"

class SRptOutputHelperCustom : public SRptOutputHelper {
public:
    using SRptOutputHelper::SRptOutputHelper;
    HRESULT Init(IUnknown* client) override;
    SString GetText() override;
    // The title.
    SString GetFirstText() override;

protected:
    // The custom steps, then the node's record of its occurrence and the kind's procedures: the
    // start of every module item that reads more than its title.
    HRESULT InitAndFillNodeRecord(IUnknown* client, RPTPROCCONTEXT* record, SComWrap<ISRptProcs>* procs);

    SString m_title;
};
