#pragma once
// The load/save manager of report template files, which the shell module makes once and hands
// out as ISLoadSaveManager. It declares the three template file types (in this order: the XML
// form "RPT_TEMPLATE", the binary form "RPT-TEMPLATE", and the backups "*.rtb"), recognises a
// template file by its signature (or, failing that, by the first four bytes "RTP" and a zero of
// the old header), loads and saves templates through the framework's routines, writes a backup
// before every save, restores from a backup, and picks the element-name table of an older file
// version. A template file's signature names the report's first template: "Name" and "ModuleID".
#include <cstdint>

#include "platform/repo/SRepLoadSaveManager.h"

struct ISRptReport;

// The data flags of the two template forms, as AcceptDocument answers them.
inline constexpr uint32_t RPT_TEMPLATE_XML_FLAGS = 0x202;
inline constexpr uint32_t RPT_TEMPLATE_BIN_FLAGS = 0x102;
inline constexpr uint32_t RPT_TEMPLATE_BACKUP_FLAGS = 0x4;
// The signature type names of the two forms.
inline constexpr const char* RPT_TEMPLATE_XML_TYPE = "RPT_TEMPLATE";
inline constexpr const char* RPT_TEMPLATE_BIN_TYPE = "RPT-TEMPLATE";
// A save whose backup went in another form than the session was read in.
inline constexpr HRESULT RPT_S_BACKUP_OTHER_FORMAT = 0x00990001;

// Fills the element-name table of one older file version; its result is the table's.
using SRptDTDFiller = HRESULT (*)(SRepMetaDTD* dtd);

class SRptTemplateLoadSaveManager final : public SRepLoadSaveManager {
public:
    // The type indexes.
    static constexpr int32_t kXmlType = 0;
    static constexpr int32_t kBinType = 1;
    static constexpr int32_t kBackupType = 2;
    // The older versions, each with its table, in ascending order.
    static constexpr int32_t kFillerCount = 5;
    static constexpr const char* kFillerVersions[kFillerCount] = {"7.0.0", "7.0.3", "7.5.0", "8.0.0", "8.0.1"};
    // How many bytes of a file are read to recognise the old header.
    static constexpr int32_t kOldHeaderSize = 76;

    // Registers the three types, with the library's strings.
    SRptTemplateLoadSaveManager();

    // The table of the first older version that `version` does not exceed (its first five
    // characters compared without case); 1 and no table for a version beyond the last.
    HRESULT FillMetaDTD(SRepMetaDTD* dtd, uint32_t, const SString& version) override;
    // The type of the file's signature; for a file without one, 0 when it begins with the old
    // header's "RTP" and a zero byte, else -1.
    int32_t GetFileSignature(const SString& path, SString* typeName, SStringMap& map, SString& version) override;

    HRESULT Load(IUnknown* caller, const SString& path, ISRepObject* root, ISRepSession* session, SString* typeText,
                 SProgressIndicatorEx* progress) noexcept override;
    // Backs the file up, gives the objects new ids and writes the template file; a backup (type
    // 2) is written in the form the session was read in, and answers RPT_S_BACKUP_OTHER_FORMAT
    // when that is not the requested type. E_FAIL for an unknown type; E_POINTER, before any
    // file is touched, when the root's document holds no report or the report no template;
    // E_INVALIDARG, as early, when its objects nest deeper than documents may (SRepDocumentLimits).
    HRESULT Save(IUnknown* caller, const SString& path, ISRepObject* root, const SString& typeName,
                 SProgressIndicatorEx* progress) noexcept override;
    // Puts the backup back: S_OK, E_FAIL for an unknown type, or the restore's failure.
    HRESULT Restore(const SString& path, const SString& typeName) noexcept override;

    // The signature map of the document that holds `root`: "Name" and "ModuleID" of its report's
    // first template. Throws SECOMException (E_POINTER) without a report or a template.
    static SStringMap BuildSignature(ISRepObject* root);
    // The filler of an older version (index into kFillerVersions), replaced for the tables of the
    // legacy versions; the previous one is returned.
    static SRptDTDFiller SetFiller(int32_t index, SRptDTDFiller filler);

private:
    ~SRptTemplateLoadSaveManager() override = default;

    static SRptDTDFiller& Filler(int32_t index);
    // Writes the document in the form of `type`, backing the previous file up as `backupType`
    // once the new one is complete.
    HRESULT SaveAs(int32_t type, const SString& path, ISRepObject* root, const SStringMap& map,
                   int32_t backupType = kNoBackup);
};
