#pragma once
// The one object that holds the library-wide state, reached through GetRptGlobalsContainer: the
// shell module, the registered modules, the module item and field tables, the printer cache, the
// advise sinks of the host's modules, the host's template sessions, the templates manager, the
// language names, the international settings and the conversion of old table-cell attribute
// ids. The library's start-up builds it right after the report font tables and its shut-down
// destroys it in reverse. Its pointer members are never null between the two.
#include <cstdint>
#include <memory>

#include "platform/base/SIntl.h"
#include "platform/base/SMap.h"
#include "platform/base/SString.h"
#include "platform/gdi/SPrinterCache.h"
#include "rpt/module/SRptHeaderFooterFields.h"
#include "rpt/module/SRptModuleFieldTableEntry.h"
#include "rpt/module/SRptModuleItemTableEntry.h"
#include "rpt/module/SRptTemplatesManager.h"

class SRptModuleList;
class SRptShellModule;
struct ISRepSession;
struct ISRptModuleClient;
struct ISRptSink;

// The languages whose names the container keeps.
inline constexpr uint16_t RPT_LANG_ENGLISH_US = 0x409;
inline constexpr uint16_t RPT_LANG_FRENCH = 0x40C;

class SShellView;

class SRptGlobalsContainer {
public:
    // The printer cache's size, as the cache is built.
    static constexpr int32_t kPrinterCacheSize = 8;

    using SinkMap = SMap<ISRptSink*, ISRptSink*>;
    using SessionMap = SMap<SString, ISRepSession*>;
    using LanguageMap = SMap<uint16_t, SString>;
    using ConversionMap = SMap<int32_t, int32_t>;

    // Throws SEOutOfMemory when a member cannot be allocated.
    SRptGlobalsContainer();
    virtual ~SRptGlobalsContainer();
    SRptGlobalsContainer(const SRptGlobalsContainer&) = delete;
    SRptGlobalsContainer& operator=(const SRptGlobalsContainer&) = delete;

    // The shell module, which the container holds one reference on.
    SRptShellModule* GetRptShellModule() const { return m_shellModule.get(); }
    SRptModuleList* GetModuleList() const { return m_moduleList.get(); }
    SRptModuleItemTable* GetModuleItemTable() const { return m_moduleItemTable.get(); }
    SRptModuleFieldTable* GetModuleFieldTable() const { return m_moduleFieldTable.get(); }
    SPrinterCache* GetPrinterCache() { return &m_printerCache; }
    // The advise sinks of RptAdvise, each keyed by itself.
    SinkMap* GetSinkMap() { return &m_sinkMap; }
    // Tells every advise sink that `view` closes; a sink may withdraw while it is told.
    void NotifyViewClosing(SShellView* view);
    // The host's template sessions by name; the library never fills it, and closes what the host
    // left in it when the container goes.
    SessionMap* GetTemplatesSessionMap() { return &m_templatesSessionMap; }
    SRptTemplatesManager* GetTemplatesManager() { return &m_templatesManager; }
    // Language id to language name, for the host.
    LanguageMap* GetLanguageMap() { return &m_languageMap; }
    SIntl* GetIntl() { return &m_intl; }
    // Old table-cell attribute id to current id, for the repair of old templates.
    ConversionMap* GetConversionTableCellIDMap() { return &m_conversionTableCellIDMap; }
    // The header/footer fields, the end row (field number 0) last.
    static const HEADERFOOTERFIELD* GetHeaderFooterFields() { return SRptHeaderFooterFields::Get(); }

    // The client of the first registered module, without a reference of the caller's; null when
    // no module is registered or the first has no client.
    ISRptModuleClient* GetFirstModuleClient() const;

    // The start-up's steps: build the one instance, and destroy it (each once only).
    static void Construct();
    static void Destroy();

private:
    void FillLanguageMap();
    void FillConversionMap();
    void CloseTemplateSessions();

    // Gives back the container's reference on the shell module.
    struct ReleaseShellModule {
        void operator()(SRptShellModule* shellModule) const;
    };

    std::unique_ptr<SRptShellModule, ReleaseShellModule> m_shellModule;
    std::unique_ptr<SRptModuleList> m_moduleList;
    std::unique_ptr<SRptModuleItemTable> m_moduleItemTable;
    std::unique_ptr<SRptModuleFieldTable> m_moduleFieldTable;
    SPrinterCache m_printerCache;
    SinkMap m_sinkMap;
    SessionMap m_templatesSessionMap;
    SRptTemplatesManager m_templatesManager;
    LanguageMap m_languageMap;
    SIntl m_intl;
    ConversionMap m_conversionTableCellIDMap;
};
