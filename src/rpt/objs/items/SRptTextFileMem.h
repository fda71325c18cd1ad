#pragma once
// SRptTextFile: a text file (plain text or RTF) whose content a report takes in. The user chooses
// the file and opens it in the text editor; its paragraph is in the Text File font.
#include <cstdint>
#include <memory>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptFileMem.h"
#include "varod9/ISRptTextFile.h"

inline constexpr GUID CLSID_SRptTextFile = MakeGUID("{A6BAC8F8-B730-11D1-8898-00A02455633B}");

// The paragraph's name, and what the file dialog offers.
inline constexpr uint32_t IDS_RPT_TEXT_FILE = 5166;
inline constexpr uint32_t IDS_RPT_TEXT_FILE_FILTER = 5280;
// The program that Edit opens a text file in, the file being its one argument.
inline constexpr const char* RPT_TEXT_FILE_EDITOR = "notepad.exe";

class SRptTextFileRegistry;

class SRptTextFileMem : public SRptFileImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptTextFileMem(ISRepSession* session) : SRptFileImpl(session) {}
    SRptTextFileMem(const SRptTextFileMem& source) = default;
};

class SRptTextFileImpl : public SRptTextFileMem, public virtual ISRptTextFile {
public:
    using Registry = SRptTextFileRegistry;

    // The file's part, then the kind's (nothing more to set up).
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // "Text File" and the Text File font for the paragraph at position 0.
    SString GetParaName(ISRptPara* pPara) override { return NameOfParagraph(pPara, IDS_RPT_TEXT_FILE); }
    int32_t GetParaFontID(ISRptPara* pPara) const override;
    // Format; Edit only in a template, where the file has been chosen.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptTextFile, SRptTextFileMem)

protected:
    explicit SRptTextFileImpl(ISRepSession* session) : SRptTextFileMem(session) {}
    SRptTextFileImpl(const SRptTextFileImpl& source) : SRptTextFileMem(source) {}

    std::unique_ptr<SFileDlg> CreateFileDialog() override;
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
};

class SRptTextFileRegistry : public SRptStaticRegistry<SRptTextFileRegistry> {
public:
    SRptTextFileRegistry();
    static const SAttrEditorMap attrEditorMap;
};
