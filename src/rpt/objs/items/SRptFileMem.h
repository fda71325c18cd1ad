#pragma once
// SRptFile: the abstract base of the items that bring an outside file into a report (the graphic
// and text file items). It holds the file's path and asks the user for a file when a copy is
// added to a template without one (ISRptAddToContents): the chosen file must exist. Its Edit
// command opens the file with a program. Nothing is made of it alone.
//
// What a kind of file gives: its file dialog (CreateFileDialog), its paragraph's name and font,
// its browser node and its commands, built on SelectFile and EditFile.
#include <cstdint>
#include <memory>

#include "platform/base/SString.h"
#include "rpt/objs/items/SRptGrpMemberMem.h"
#include "varod9/ISRptAddToContents.h"
#include "varod9/ISRptFile.h"

class SFileDlg;

inline constexpr GUID CLSID_SRptFile = MakeGUID("{A6BAC8D5-B730-11D1-8898-00A02455633B}");

// What the user is told of a chosen file that is not there (with its path).
inline constexpr const char* RPT_FILE_NOT_FOUND_FORMAT =
    "%s\nFile not found.\nPlease verifiy the correct file name was given.";

class SRptFileRegistry;

class SRptFileMem : public SRptGrpMemberImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptFileMem(ISRepSession* session) : SRptGrpMemberImpl(session) {}
    SRptFileMem(const SRptFileMem& source) = default;

    SString m_absPath;
    SString m_relPath;
    SString m_filter;
};

class SRptFileImpl : public SRptFileMem, public virtual ISRptFile, public ISRptAddToContents {
public:
    // One count and one QueryInterface for every face of the object.
    HRESULT QueryInterface(const GUID& riid, void** out) override { return SRepObjectMem::QueryInterface(riid, out); }
    uint32_t AddRef() override { return SRepObjectMem::AddRef(); }
    uint32_t Release() override { return SRepObjectMem::Release(); }

    SRPT_PROPERTIES(SRptFile)

    // A copy without a file asks for one: S_OK when it has one (chosen or already there), S_FALSE
    // when the user cancelled, STG_E_FILENOTFOUND when the chosen file is not there.
    HRESULT OnPreAddToContents() noexcept override;
    HRESULT OnPostAddToContents() noexcept override { return S_OK; }

    // The group member's part, then the paragraph at position 0, left as a new paragraph is.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;

    // Asks the user for the file through the kind's file dialog and keeps it when it exists (a
    // missing one is reported to the user and changes nothing). S_OK, S_FALSE for a cancelled
    // dialog, STG_E_FILENOTFOUND, or E_OUTOFMEMORY when there is no dialog.
    HRESULT SelectFile();

protected:
    explicit SRptFileImpl(ISRepSession* session) : SRptFileMem(session) {}
    SRptFileImpl(const SRptFileImpl& source) : SRptFileMem(source) {}

    // The class interface and its chain, the repository faces, then the file's own face.
    void* InternalQueryInterface(const GUID& riid) override;

    // Label, " - " and the first line of the path.
    SString ComputeLabelInTemplate() override;
    // A file enters the table of contents through its generated text, not through an entry.
    HRESULT InitTblCtsEntry(RPTTBLCTSENTRY*) override { return S_OK; }
    // A file's paragraph keeps the paragraph defaults.
    HRESULT SetupParagraphs() { return S_OK; }

    // The dialog in which the user picks a file of the kind.
    virtual std::unique_ptr<SFileDlg> CreateFileDialog() = 0;
    // Opens the file with the desktop's program for it, or in `program` as its one argument; a
    // file that is not there is reported to the user instead. S_OK, or the failure of reaching the
    // item's paragraph.
    HRESULT EditFile(const char* program = nullptr);
    // `nameId` for the paragraph at position 0, the container's name for any other.
    SString NameOfParagraph(ISRptPara* pPara, uint32_t nameId);

private:
    void ReportMissingFile(const SString& path);
};

class SRptFileRegistry : public SRptStaticRegistry<SRptFileRegistry> {
public:
    SRptFileRegistry();
    static const SAttrEditorMap attrEditorMap;
};
