#include "rpt/devices/generation/SRptGroupStateReset.h"

#include "platform/com/SComWrap.h"
#include "varod9/ISRptGroup.h"

HRESULT SRptGroupStateReset::ResetAll(ISRepObject* root) {
    if (!root) return S_OK;
    SRptGroupStateReset reset;
    SRptScanTreeHelper walk(RPTSCAN_KIND_GROUP_RESET, root, 0);
    return walk.ScanTree(&reset);
}

HRESULT SRptGroupStateReset::Dispatch(uint32_t, ISRptItem* object, RPTSCANINFO* info) {
    if (!info) return E_INVALIDARG;
    info->action = RPTSCAN_DESCEND;
    SComWrap<ISRptGroup> group;
    group = object;
    if (group) {
        group->PutValid(false);
        group->PutNbItems(0);
        group->PutItemIndex(0);
        group->PutUserParam(0);
    }
    return S_OK;
}
