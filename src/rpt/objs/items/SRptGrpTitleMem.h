#pragma once
// SRptGrpTitle: the group whose elements the module supplies through its group title procedures;
// each run of its members is preceded by a title of the module's. Its own attributes are a text
// shown in the editor and the order of the elements: the user's (true) or alphabetical.
#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptGroupMem.h"
#include "varod9/ISRptGrpTitle.h"

inline constexpr GUID CLSID_SRptGrpTitle = MakeGUID("{A6BAC8E2-B730-11D1-8898-00A02455633B}");

class SRptGrpTitleRegistry;

class SRptGrpTitleMem : public SRptGroupImpl {
public:
    SRPT_ATTRIBUTE_PROTOCOL

protected:
    explicit SRptGrpTitleMem(ISRepSession* session) : SRptGroupImpl(session) {}
    SRptGrpTitleMem(const SRptGrpTitleMem& source) = default;

    SString m_text;
    bool m_userOrder = true;
};

class SRptGrpTitleImpl : public SRptGrpTitleMem, public virtual ISRptGrpTitle {
public:
    using Registry = SRptGrpTitleRegistry;

    SString GetText() override { return Get_TEXT(RPTGRPTITLE_TEXT, m_text); }
    HRESULT PutText(const SString& value) override { return Set_TEXT(RPTGRPTITLE_TEXT, value, m_text); }
    bool GetUserOrder() override { return Get_BOOL(RPTGRPTITLE_USERORDER, m_userOrder); }
    HRESULT PutUserOrder(bool value) override { return Set_BOOL(RPTGRPTITLE_USERORDER, value, m_userOrder); }

    // E_POINTER for null; the group title's own construction is not there yet: E_NOTIMPL,
    // nothing made.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // No command yet: S_FALSE for every one.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptGrpTitle, SRptGrpTitleMem)

protected:
    explicit SRptGrpTitleImpl(ISRepSession* session) : SRptGrpTitleMem(session) {}
    SRptGrpTitleImpl(const SRptGrpTitleImpl& source) : SRptGrpTitleMem(source) {}

    // The editor's seams: no browser node yet (E_NOTIMPL), no command handled (S_FALSE).
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
};

class SRptGrpTitleRegistry : public SRepStaticRegistry<SRptGrpTitleRegistry> {
public:
    SRptGrpTitleRegistry();
    static const SAttrEditorMap attrEditorMap;
};
