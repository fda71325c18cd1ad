#include "rpt/module/SRptTemplateLoadSaveManager.h"

#include <cstring>

#include "platform/base/SExceptionResult.h"
#include "platform/base/SInputFile.h"
#include "platform/base/SMbcs.h"
#include "platform/base/SModuleState.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepDocumentWriter.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"
#include "varod9/RptLegacyDtd.h"

namespace {

SString LoadText(uint32_t id, const char* defaultText) {
    SModuleStateGuard state(SRptGetModuleState());
    SString text;
    text.LoadString(id, defaultText);
    return text;
}

}  // namespace

SRptTemplateLoadSaveManager::SRptTemplateLoadSaveManager() {
    m_types.Add(RPT_TEMPLATE_XML_TYPE, LoadText(5515, "Report Template (xml)"), LoadText(5517, "*.rtp"),
                LoadText(5519, ""), RPT_TEMPLATE_XML_FLAGS);
    m_types.Add(RPT_TEMPLATE_BIN_TYPE, LoadText(5516, "Report Template (bin)"), LoadText(5518, "*.rtp"),
                LoadText(5520, ""), RPT_TEMPLATE_BIN_FLAGS);
    m_types.Add(SString(), LoadText(5521, "Backup Report Template"), LoadText(5522, "*.rtb"), SString(),
                RPT_TEMPLATE_BACKUP_FLAGS);
}

SRptDTDFiller& SRptTemplateLoadSaveManager::Filler(int32_t index) {
    static SRptDTDFiller fillers[kFillerCount] = {Fill_Rpt_DTD_7_0_0, Fill_Rpt_DTD_7_0_3, Fill_Rpt_DTD_7_5_0,
                                                  Fill_Rpt_DTD_8_0_0, Fill_Rpt_DTD_8_0_1};
    return fillers[index];
}

SRptDTDFiller SRptTemplateLoadSaveManager::SetFiller(int32_t index, SRptDTDFiller filler) {
    if (index < 0 || index >= kFillerCount || !filler) return nullptr;
    SRptDTDFiller previous = Filler(index);
    Filler(index) = filler;
    return previous;
}

HRESULT SRptTemplateLoadSaveManager::FillMetaDTD(SRepMetaDTD* dtd, uint32_t, const SString& version) {
    for (int32_t i = 0; i < kFillerCount; ++i)
        if (_tcsncmpi(version.c_str(), kFillerVersions[i], 5) <= 0) return Filler(i)(dtd);
    return S_FALSE;
}

int32_t SRptTemplateLoadSaveManager::GetFileSignature(const SString& path, SString* typeName, SStringMap& map,
                                                      SString& version) {
    const int32_t type = SRepLoadSaveManager::GetFileSignature(path, typeName, map, version);
    if (type >= 0) return type;
    map = SStringMap();
    // A file of the old kind has no signature, only its header.
    uint8_t header[kOldHeaderSize] = {};
    const HRESULT hr = SExceptionResult::Guard([&] {
        SInputFile file(path);
        file.Read(header, sizeof header);
        return S_OK;
    });
    if (FAILED(hr)) return -1;
    static constexpr uint8_t kOldMagic[4] = {0x52, 0x54, 0x50, 0x00};
    return std::memcmp(header, kOldMagic, sizeof kOldMagic) == 0 ? kXmlType : -1;
}

HRESULT SRptTemplateLoadSaveManager::Load(IUnknown*, const SString& path, ISRepObject* root, ISRepSession* session,
                                          SString* typeText, SProgressIndicatorEx* progress) noexcept {
    return SExceptionResult::Guard([&]() -> HRESULT {
        if (typeText) typeText->Empty();
        SString typeName;
        SString version;
        SStringMap map;
        const int32_t type = GetFileSignature(path, &typeName, map, version);
        if (type >= 0 && typeText) *typeText = m_types[type].description;
        if (type == kXmlType) return RepXMLLoad(progress, path, root, session, typeName, version);
        if (type == kBinType) return RepBinLoad(progress, path, root, session, nullptr, nullptr, nullptr);
        return E_FAIL;
    });
}

SStringMap SRptTemplateLoadSaveManager::BuildSignature(ISRepObject* root) {
    const auto top = SRepDocumentWriter::TopObjectsOf(root);
    SComWrap<ISRptReport> report;
    if (!top.empty()) report = static_cast<IUnknown*>(top.front().Get());
    if (!report) SComThrow(E_POINTER);
    SComWrap<ISRptTemplate> first;
    SComCheck(report->GetTemplateAtPos(0, &first));
    if (!first) SComThrow(E_POINTER);
    SStringMap map;
    map.SetAt("Name", first->GetName());
    map.SetAt("ModuleID", first->GetModuleID());
    return map;
}

HRESULT SRptTemplateLoadSaveManager::SaveAs(int32_t type, const SString& path, ISRepObject* root, const SStringMap& map,
                                            int32_t backupType) {
    if (type == kXmlType)
        return RepXMLSave(nullptr, path, root, RPT_TEMPLATE_XML_TYPE, map, sCurrentVersion, backupType);
    return RepBinSave(nullptr, path, root, RPT_TEMPLATE_BIN_TYPE, map, sCurrentVersion, backupType);
}

HRESULT SRptTemplateLoadSaveManager::Save(IUnknown*, const SString& path, ISRepObject* root, const SString& typeName,
                                          SProgressIndicatorEx*) noexcept {
    return SExceptionResult::Guard([&]() -> HRESULT {
        const int32_t type = m_types.FindTypeName(typeName);
        if (type < 0) return E_FAIL;
        if (!root) return E_POINTER;
        SComWrap<ISRepSession> session;
        root->GetSession(&session);
        SString format;
        if (session) session->GetFormatName(&format);
        const SStringMap map = BuildSignature(root);
        if (type == kXmlType || type == kBinType) {
            // A document that no reader would take back is refused before the backup, the new
            // ids or the file are touched.
            SRepDocumentWriter::CheckNesting(SRepDocumentWriter::TopObjectsOf(root), SRepDocumentLimits::kMaxDepth);
            const HRESULT hr = RegenerateOID(root);
            if (FAILED(hr)) return hr;
            // The previous file goes to its backup only once the new one is complete, just before
            // the new one takes its place: a save that fails, or is refused (a read-only file, a
            // full disk), leaves the file and its earlier backup as they were. A backup that fails
            // stops the save.
            return SaveAs(type, path, root, map, kBackupType);
        }
        // A backup is written in the form the session was read in, as it is.
        HRESULT hr = S_OK;
        const int32_t formatType = format.IsEmpty() ? -1 : m_types.FindSignature(format);
        if (formatType == kXmlType || formatType == kBinType) hr = SaveAs(formatType, path, root, map);
        if (SUCCEEDED(hr) && format != typeName) hr = RPT_S_BACKUP_OTHER_FORMAT;
        return hr;
    });
}

HRESULT SRptTemplateLoadSaveManager::Restore(const SString& path, const SString& typeName) noexcept {
    return SExceptionResult::Guard([&]() -> HRESULT {
        const int32_t type = m_types.FindTypeName(typeName);
        if (type < 0) return E_FAIL;
        const HRESULT hr = RepDoRestore(path, type, kBackupType);
        return FAILED(hr) ? hr : S_OK;
    });
}
