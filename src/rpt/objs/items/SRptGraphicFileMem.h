#pragma once
// SRptGraphicFile: a picture file in a report (bitmap, JPEG or TIFF). The user chooses the file,
// opens it with the desktop's program, and chooses whether the report shows the path, the picture
// or both (the group member's DisplayFlag).
#include <cstdint>
#include <memory>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptFileMem.h"
#include "varod9/ISRptGraphicFile.h"

inline constexpr GUID CLSID_SRptGraphicFile = MakeGUID("{A6BAC8DF-B730-11D1-8898-00A02455633B}");

// The paragraph's name.
inline constexpr uint32_t IDS_RPT_GRAPHIC_FILE = 5181;
// What the file dialog offers.
inline constexpr const char* RPT_GRAPHIC_FILE_FILTER =
    "Image (*.bmp;*.dib;*.rle;*.jpg;*.jpeg;*.tif;*.tiff)|*.bmp;*.dib;*.rle;*.jpg;*.jpeg;*.tif;*.tiff|"
    "Bitmap (*.bmp;*.dib;*.rle)|*.bmp;*.dib;*.rle|JPEG Compliant (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
    "Tagged Image File Format (*.tif;*.tiff)|*.tif;*.tiff|";

class SRptGraphicFileRegistry;

class SRptGraphicFileMem : public SRptFileImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptGraphicFileMem(ISRepSession* session) : SRptFileImpl(session) {}
    SRptGraphicFileMem(const SRptGraphicFileMem& source) = default;
};

class SRptGraphicFileImpl : public SRptGraphicFileMem, public virtual ISRptGraphicFile {
public:
    using Registry = SRptGraphicFileRegistry;

    // The file's part, then the kind's (nothing more to set up).
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // "Graphic File" for the paragraph at position 0.
    SString GetParaName(ISRptPara* pPara) override { return NameOfParagraph(pPara, IDS_RPT_GRAPHIC_FILE); }
    // Format and the display choices; Edit only in a template, where the file has been chosen.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptGraphicFile, SRptGraphicFileMem)

protected:
    explicit SRptGraphicFileImpl(ISRepSession* session) : SRptGraphicFileMem(session) {}
    SRptGraphicFileImpl(const SRptGraphicFileImpl& source) : SRptGraphicFileMem(source) {}

    std::unique_ptr<SFileDlg> CreateFileDialog() override;
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
};

class SRptGraphicFileRegistry : public SRptStaticRegistry<SRptGraphicFileRegistry> {
public:
    SRptGraphicFileRegistry();
    static const SAttrEditorMap attrEditorMap;
};
