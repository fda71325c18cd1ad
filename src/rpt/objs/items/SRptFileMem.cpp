#include "rpt/objs/items/SRptFileMem.h"

#include "platform/base/SExceptionResult.h"
#include "platform/base/SFile.h"
#include "platform/repo/SRepVariant.h"
#include "platform/ui/SFileDlg.h"
#include "platform/ui/SLibMsgBox.h"
#include "platform/ui/SShellExecute.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "varod9/RptApi.h"

namespace {

// A file that can be read as one: a folder of that name is no file.
bool IsExistingFile(const SString& path) {
    return !path.IsEmpty() && SFile::Exists(path) && !SFile::IsDirectory(path);
}

}  // namespace

// ---- SRptFileImpl: faces and construction ----

void* SRptFileImpl::InternalQueryInterface(const GUID& riid) {
    if (void* face = SRepQueryClassInterface<ISRptFile>(this, riid)) return face;
    if (void* face = SRptFileMem::InternalQueryInterface(riid)) return face;
    if (riid == ISRptAddToContents::iid) return static_cast<ISRptAddToContents*>(this);
    return nullptr;
}

HRESULT SRptFileImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptGrpMemberImpl::ConstructWithItemDef(pItemDef);
    HRESULT hr = SRptCreateParagraph(this, CLSID_SRptPara, 0);
    if (FAILED(hr)) return hr;
    hr = SRptGrpMemberImpl::SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

SString SRptFileImpl::ComputeLabelInTemplate() {
    return LabelWithFirstLine(GetLabel(), GetAbsPath());
}

SString SRptFileImpl::NameOfParagraph(ISRptPara* pPara, uint32_t nameId) {
    int32_t position = -1;
    if (!SRptGetParaPosition(this, pPara, &position)) return SString();
    if (position == 0) return SRptLoadString(nameId);
    return SRptFileMem::GetParaName(pPara);
}

// ---- SRptFileImpl: the file ----

HRESULT SRptFileImpl::OnPreAddToContents() noexcept {
    return SExceptionResult::Guard([&]() -> HRESULT {
        if (!GetAbsPath().IsEmpty()) return S_OK;
        return SelectFile();
    });
}

HRESULT SRptFileImpl::SelectFile() {
    std::unique_ptr<SFileDlg> dialog = CreateFileDialog();
    if (!dialog) return E_OUTOFMEMORY;
    if (dialog->DoModal() != IDOK) return S_FALSE;
    SFile file(dialog->GetPathName());
    HRESULT hr = S_OK;
    if (IsExistingFile(file.GetPath())) {
        PutAbsPath(file.GetPath());
    } else {
        ReportMissingFile(file.GetPath());
        hr = STG_E_FILENOTFOUND;
    }
    file.Done();
    return hr;
}

HRESULT SRptFileImpl::EditFile(const char* program) {
    SComWrap<ISRptPara> para;
    const HRESULT hr = GetParaAtPos(0, &para);
    if (FAILED(hr)) return hr;
    const SString path = GetAbsPath();
    // A relative path names a file of the working folder, whatever folder the program that opens
    // it starts in; made absolute, it can never be taken for an option of that program either.
    const SString file = path.IsEmpty() || path[0] == '/' ? path : SFile::GetCurrentDirectory() + "/" + path;
    if (!IsExistingFile(file)) {
        ReportMissingFile(path);
        return S_OK;
    }
    // The file goes to the shell as one argument, the file to open or the program's: no command
    // line is built from it. Whether the program started is the desktop's business; the user sees
    // it either way.
    if (program)
        ShellExecuteA(nullptr, "open", program, file.c_str(), nullptr, SW_SHOWNORMAL);
    else
        ShellExecuteA(nullptr, "open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return S_OK;
}

void SRptFileImpl::ReportMissingFile(const SString& path) {
    SString text;
    text.Format(RPT_FILE_NOT_FOUND_FORMAT, path);
    SLibMsgBox(SGetMainWnd(), " - ").Error(text);
}
