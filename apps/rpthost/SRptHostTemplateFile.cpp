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

bool StartsAsRecord(const SString& path) {
    char head[sizeof kRecordMagic] = {};
    const HRESULT hr = SExceptionResult::Guard([&] {
        SInputFile file(path);
        return file.Read(head, sizeof head) == sizeof head ? S_OK : S_FALSE;
    });
    return hr == S_OK && std::memcmp(head, kRecordMagic, sizeof head) == 0;
}

}  // namespace

SRptHostTemplateFile::Form SRptHostTemplateFile::GetForm(const SString& path) {
    if (!SFile::Exists(path) || SFile::IsDirectory(path)) return NotATemplate;
    SString typeName;
    SString version;
    if (SRepLoadSaveManager::GetModelInfo(path, &typeName, &version) == S_OK)
        return typeName == RPT_TEMPLATE_XML_TYPE || typeName == RPT_TEMPLATE_BIN_TYPE ? Document : NotATemplate;
    // A record begins with the header that the load/save manager takes for an old file.
    return StartsAsRecord(path) ? Record : NotATemplate;
}

HRESULT SRptHostTemplateFile::Save(ISRptReport* report, const SString& path) {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptShellModule* shell = globals ? globals->GetRptShellModule() : nullptr;
    if (!report || !shell) return E_POINTER;
    SComWrap<ISLoadSaveManager> manager;
    HRESULT hr = shell->GetLoadSaveManager(&manager);
    if (FAILED(hr) || !manager) return FAILED(hr) ? hr : E_POINTER;
    SComWrap<ISRepObject> root;
    root = static_cast<IUnknown*>(report);
    if (!root) return E_NOINTERFACE;
    const bool binary = SFile::GetExtension(path).CompareNoCase("rtb") == 0;
    return manager->Save(nullptr, path, root.Get(), binary ? RPT_TEMPLATE_BIN_TYPE : RPT_TEMPLATE_XML_TYPE, nullptr);
}

std::string SRptHostTemplateFile::DescribeReadFault(const SString& path, HRESULT hr) {
    const std::string cause = hr == STG_E_FILENOTFOUND ? "there is no such file"
                              : hr == kNotATemplate    ? "it is not a template file"
                              : hr == S_FALSE          ? "it holds no template of the data-model module"
                                                       : "the read failed (" + HresultText(hr) + ")";
    return "cannot use the template '" + path.str() + "': " + cause;
}

std::string SRptHostTemplateFile::DescribeSaveFault(const SString& path, HRESULT hr) {
    const std::string cause = hr == E_IOFAILURE ? "the file could not be written (" + HresultText(hr) + ")"
                                                : "the save failed (" + HresultText(hr) + ")";
    return "cannot write '" + path.str() + "': the template could not be saved: " + cause;
}
