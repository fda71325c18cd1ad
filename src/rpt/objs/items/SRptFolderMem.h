#pragma once
// SRptFolder: the group whose elements the module supplies through its folder procedures; each
// run of its members is preceded by a text of the module's. Its own attributes are a text shown
// in the editor and a limit on how deep recursive folders go (-1: none).
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptGroupMem.h"
#include "varod9/ISRptFolder.h"

inline constexpr GUID CLSID_SRptFolder = MakeGUID("{A6BAC8D6-B730-11D1-8898-00A02455633B}");

class SRptFolderRegistry;

class SRptFolderMem : public SRptGroupImpl {
public:
    SRPT_ATTRIBUTE_PROTOCOL

protected:
    explicit SRptFolderMem(ISRepSession* session) : SRptGroupImpl(session) {}
    SRptFolderMem(const SRptFolderMem& source) = default;

    SString m_text;
    int32_t m_nbMaxLevels = -1;
};

class SRptFolderImpl : public SRptFolderMem, public virtual ISRptFolder {
public:
    using Registry = SRptFolderRegistry;

    SString GetText() override { return Get_TEXT(RPTFOLDER_TEXT, m_text); }
    HRESULT PutText(const SString& value) override { return Set_TEXT(RPTFOLDER_TEXT, value, m_text); }
    int32_t GetNbMaxLevels() override { return Get_INT(RPTFOLDER_NBMAXLEVELS, m_nbMaxLevels); }
    HRESULT PutNbMaxLevels(int32_t value) override { return Set_INT(RPTFOLDER_NBMAXLEVELS, value, m_nbMaxLevels); }

    // E_POINTER for null; the folder's own construction is not there yet: E_NOTIMPL, nothing made.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // No command yet: S_FALSE for every one.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptFolder, SRptFolderMem)

protected:
    explicit SRptFolderImpl(ISRepSession* session) : SRptFolderMem(session) {}
    SRptFolderImpl(const SRptFolderImpl& source) : SRptFolderMem(source) {}

    // The editor's seams: no browser node yet (E_NOTIMPL), no command handled (S_FALSE).
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
};

class SRptFolderRegistry : public SRepStaticRegistry<SRptFolderRegistry> {
public:
    SRptFolderRegistry();
    static const SAttrEditorMap attrEditorMap;
};
