#include "rpt/editor/SRptBrowserNodeTemplate.h"

#include "rpt/editor/RptCommandIds.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptTemplate.h"

const SClassInfo SRptBrowserNodeTemplate::classSRptBrowserNodeTemplate = {"SRptBrowserNodeTemplate",
                                                                          &classSRptBrowserNodeItem};

S_BEGIN_MESSAGE_MAP(SRptBrowserNodeTemplate, SRptBrowserNodeItem)
    SMsgEntry::Command(ID_RPT_RENAME, &SRptBrowserNodeTemplate::OnRename),
S_END_MESSAGE_MAP()

int32_t SRptBrowserNodeTemplate::InitNode(ISRepObject* object, uint32_t flags, ISBrowserNode* parent,
                                          ISBrowserNode* after, int32_t labelAttribute) {
    const int32_t result = SRptBrowserNodeItem::InitNode(object, flags, parent, after, labelAttribute);
    GetISBrowserNode()->SetNodeInfo({RPT_NODE_INFO_MASK, RPT_NODE_INFO_TEMPLATE});
    return result;
}

uint32_t SRptBrowserNodeTemplate::GetContextMenuID() {
    return ForTemplate(IDM_RPT_TEMPLATE_NODE);
}

uint32_t SRptBrowserNodeTemplate::GetFirstCommandID() {
    return ForTemplate(ID_RPT_TEMPLATE_NODE_FIRST);
}

uint32_t SRptBrowserNodeTemplate::GetLastCommandID() {
    return ForTemplate(ID_RPT_TEMPLATE_NODE_LAST);
}

ISBrowserNode* SRptBrowserNodeTemplate::CreateChildNode(ISRepObject* child, ISBrowserNode* after, int32_t) {
    return SRptBrowserNodeItem::CreateChildNode(child, after, RPTITEM_LABELINTEMPLATE);
}

HRESULT SRptBrowserNodeTemplate::OnObjColInsert(ISRepClassCol* collection, ISRepObject* object, int32_t position) {
    const HRESULT hr = SRptBrowserNodeItem::OnObjColInsert(collection, object, position);
    GetISBrowserNode()->Refresh(RPT_NODE_REFRESH_INSERTED);
    return hr;
}

int32_t SRptBrowserNodeTemplate::OnEndLabelEdit(const SString& label) {
    // A report editor labels its templates by their computed display name, which takes no edit.
    SComWrap<ISRptTemplate> tpl;
    if (ISRepObject* object = GetISRepObject()) tpl = static_cast<IUnknown*>(object);
    if (!tpl) return 0;
    return tpl->PutName(label) == S_OK ? 1 : 0;
}

void SRptBrowserNodeTemplate::OnRename() {
    GetISBrowserNode()->EditLabel();
}
