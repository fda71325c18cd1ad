#include "rpt/devices/generation/SRptScanTreeHelper.h"

#include "platform/base/SWaitCursor.h"
#include "platform/repo/SRepObjIterator.h"

SRptScanTreeHelper::SRptScanTreeHelper(uint32_t kind, ISRepObject* root, intptr_t value)
    : m_kind(kind), m_root(root), m_value(value) {}

HRESULT SRptScanTreeHelper::ScanTree(SScanner* scanner) {
    if (!scanner) return E_POINTER;
    SWaitCursor wait;
    RPTSCANINFO record;
    record.position = 1;
    record.inherited = m_value;
    SComWrap<ISRptItem> root;
    root = static_cast<IUnknown*>(m_root.Get());
    return Visit(root.Get(), scanner, record);
}

HRESULT SRptScanTreeHelper::Visit(ISRptItem* object, SScanner* scanner, RPTSCANINFO& record) {
    // The children inherit the word as it stands before the object's own call.
    RPTSCANINFO children;
    children.level = record.level + 1;
    children.inherited = record.inherited;
    HRESULT hr = scanner->Dispatch(m_kind, object, &record);
    while (hr == S_OK) {
        if (record.action == RPTSCAN_STOP) return S_FALSE;
        if (record.action == RPTSCAN_SKIP_CHILDREN) return S_OK;
        children.position = 1;
        SComWrap<ISRepObject> repObject;
        repObject = static_cast<IUnknown*>(object);
        if (repObject && repObject->HasCollection(RPTITEM_ITEMS)) {
            SRepObjIterator members(repObject.Get(), RPTITEM_ITEMS);
            SComWrap<ISRptItem> child;
            while (members.Next(child)) {
                hr = Visit(child.Get(), scanner, children);
                if (hr != S_OK) return hr;
                ++children.position;
            }
        }
        if (record.action != RPTSCAN_DESCEND_RECALL) return S_OK;
        hr = scanner->Dispatch(m_kind, object, &record);
    }
    return hr;
}
