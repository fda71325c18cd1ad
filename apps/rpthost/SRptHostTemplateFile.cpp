#include "SRptHostTemplateFile.h"

#include <cstring>

#include "HresultText.h"
#include "platform/base/SExceptionResult.h"
#include "platform/base/SFile.h"
#include "platform/base/SInputFile.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISLoadSaveManager.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/SRepLoadSaveManager.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/module/SRptTemplateLoadSaveManager.h"
#include "varod9/ISRptReport.h"
#include "varod9/RptApi.h"

namespace {

// The first bytes of a template record: "RTP" and a zero byte.
constexpr char kRecordMagic[4] = {'R', 'T', 'P', '\0'};
// A record's header, as long as the header the load/save manager reads of an old file; the
// template follows it.
constexpr size_t kRecordHeaderSize = SRptTemplateLoadSaveManager::kOldHeaderSize;

// How many bytes of the file begin a record, up to one past its header: 0 when the file does not
// begin as one.
size_t RecordHead(const SString& path) {
    char head[kRecordHeaderSize + 1] = {};
    size_t got = 0;
    const HRESULT hr = SExceptionResult::Guard([&] {
        SInputFile file(path);
        got = file.Read(head, sizeof head);
        return S_OK;
    });
    const bool record =
        hr == S_OK && got >= sizeof kRecordMagic && std::memcmp(head, kRecordMagic, sizeof kRecordMagic) == 0;
    return record ? got : 0;
}

// The library's load/save manager of template files; null before the library has started.
SComWrap<ISLoadSaveManager> LoadSaveManager() {
    SComWrap<ISLoadSaveManager> manager;
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptShellModule* shell = globals ? globals->GetRptShellModule() : nullptr;
    if (!shell || FAILED(shell->GetLoadSaveManager(&manager))) manager.Clear();
    return manager;
}

}  // namespace

SRptHostTemplateFile::Form SRptHostTemplateFile::GetForm(const SString& path) {
    if (!SFile::Exists(path) || SFile::IsDirectory(path)) return NotATemplate;
    SString typeName;
    SString version;
    if (SRepLoadSaveManager::GetModelInfo(path, &typeName, &version) == S_OK)
        return typeName == RPT_TEMPLATE_XML_TYPE || typeName == RPT_TEMPLATE_BIN_TYPE ? Document : NotATemplate;
    // A record begins with the header that the load/save manager takes for an old file; one that
    // ends within its header, or with it, has lost its template.
    const size_t head = RecordHead(path);
    return head == 0 ? NotATemplate : head <= kRecordHeaderSize ? TruncatedRecord : Record;
}

SRptHostTemplateFile::DocumentForm SRptHostTemplateFile::GetDocumentForm(const SString& path) {
    SString typeName;
    SString version;
    const bool binary = SFile::Exists(path) && !SFile::IsDirectory(path) &&
                        SRepLoadSaveManager::GetModelInfo(path, &typeName, &version) == S_OK &&
                        typeName == RPT_TEMPLATE_BIN_TYPE;
    return binary ? DocumentForm::Binary : DocumentForm::Xml;
}

HRESULT SRptHostTemplateFile::Save(ISRptReport* report, const SString& path, DocumentForm form) {
    const SComWrap<ISLoadSaveManager> manager = LoadSaveManager();
    if (!report || !manager) return E_POINTER;
    SComWrap<ISRepObject> root;
    root = static_cast<IUnknown*>(report);
    if (!root) return E_NOINTERFACE;
    const char* typeName = form == DocumentForm::Binary ? RPT_TEMPLATE_BIN_TYPE : RPT_TEMPLATE_XML_TYPE;
    return manager->Save(nullptr, path, root.Get(), typeName, nullptr);
}

SString SRptHostTemplateFile::BackupPathOf(const SString& path) {
    const SComWrap<ISLoadSaveManager> manager = LoadSaveManager();
    const auto* types = dynamic_cast<const SRepLoadSaveManager*>(manager.Get());
    return types ? types->GetBackupPath(path, SRptTemplateLoadSaveManager::kBackupType) : SString();
}

std::string SRptHostTemplateFile::DescribeReadFault(const SString& path, HRESULT hr) {
    const std::string cause = hr == STG_E_FILENOTFOUND ? "there is no such file"
                              : hr == kNotATemplate    ? "it is not a template file"
                              : hr == kTruncated       ? "it is truncated"
                              : hr == S_FALSE          ? "it holds no template of the data-model module"
                                                       : "the read failed (" + HresultText(hr) + ")";
    return "cannot use the template '" + path.str() + "': " + cause;
}

std::string SRptHostTemplateFile::DescribeSaveFault(const SString& path, HRESULT hr) {
    const std::string cause = hr == E_IOFAILURE ? "the file could not be written (" + HresultText(hr) + ")"
                                                : "the save failed (" + HresultText(hr) + ")";
    return "cannot write '" + path.str() + "': the template could not be saved: " + cause;
}
