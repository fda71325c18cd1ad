#pragma once
// SRptFolder: the group whose elements the module supplies through its folder procedures; each
// run of its members is preceded by a text of the module's. Its own attributes are a text shown
// in the editor and a limit on how deep recursive folders go (-1: none), which the generation
// hands on as the full 32-bit word. It owns the title paragraph of the custom item, in the Folder
// Title font, and is edited with the Format and Edit commands.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptGroupMem.h"
#include "varod9/ISRptFolder.h"

inline constexpr GUID CLSID_SRptFolder = MakeGUID("{A6BAC8D6-B730-11D1-8898-00A02455633B}");

// The title paragraph's name.
inline constexpr uint32_t IDS_RPT_FOLDER_TITLE = 5178;

class SRptFolderRegistry;

class SRptFolderMem : public SRptGroupImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptFolderMem(ISRepSession* session) : SRptGroupImpl(session) {}
    SRptFolderMem(const SRptFolderMem& source) = default;

    SString m_text;
    int32_t m_nbMaxLevels = -1;
};

class SRptFolderImpl : public SRptFolderMem, public virtual ISRptFolder {
public:
    using Registry = SRptFolderRegistry;

    SRPT_PROPERTIES(SRptFolder)

    // The group's part, then the title paragraph in the Folder Title font.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // "Folder Title" and the Folder Title font for the paragraph at position 0; the container's
    // answers for any other.
    SString GetParaName(ISRptPara* pPara) override;
    int32_t GetParaFontID(ISRptPara* pPara) const override;
    // Format and Edit.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptFolder, SRptFolderMem)

protected:
    explicit SRptFolderImpl(ISRepSession* session) : SRptFolderMem(session) {}
    SRptFolderImpl(const SRptFolderImpl& source) : SRptFolderMem(source) {}

    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    // Format opens the format sheet without a paragraph list, Edit the title editor.
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
    // The stock paragraph of the Folder Title font on the title paragraph.
    HRESULT SetupParagraphs();
};

class SRptFolderRegistry : public SRptStaticRegistry<SRptFolderRegistry> {
public:
    SRptFolderRegistry();
    static const SAttrEditorMap attrEditorMap;
};
