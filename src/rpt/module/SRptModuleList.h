#pragma once
// The registered modules, in the order of their registration, each held with a reference of the
// list's own; searched by id or by label (byte-wise, case-sensitive). On request the list also
// builds the combined module "ALL", whose container gathers the items of every module without
// taking them from their own containers.
#include <cstdint>

#include "platform/base/SString.h"
#include "rpt/module/SRptGrowTable.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptModule.h"

// The growth of the list: 5 at first, then 5 more each time it is full.
inline constexpr int32_t RPT_MODULE_LIST_GROWTH = 5;
// The combined module's id and label (string table, with these texts as their defaults).
inline constexpr uint32_t IDS_RPT_ALL_MODULES = 5137;
inline constexpr uint32_t IDS_RPT_ALL_MODULES_LABEL = 5138;

class SRptModuleList {
public:
    SRptModuleList() = default;
    // Releases every module in order.
    ~SRptModuleList() = default;
    SRptModuleList(const SRptModuleList&) = delete;
    SRptModuleList& operator=(const SRptModuleList&) = delete;

    bool Contains(const SString& id) const { return GetIndexOf(id) >= 0; }
    // The index of the first module with the id; -1 when there is none.
    int32_t GetIndexOf(const SString& id) const;
    // Appends the module with a reference; nothing for null or when a module with the same id is
    // there already. Throws SECOMException(E_POINTER) for a module without an id.
    void Attach(ISRptModule* module);
    // Releases the module with the id and closes the gap; nothing when there is none.
    void Detach(const SString& id);
    // The first module with the id, with the caller's reference: S_OK; S_OK and `module`
    // unchanged when there is none. E_POINTER for null.
    HRESULT Retrieve(const SString& id, ISRptModule** module) const;
    // The module at an index, with the caller's reference: S_OK; S_FALSE and null outside the
    // list or for an empty slot. E_POINTER for null.
    HRESULT Retrieve(int32_t index, ISRptModule** module) const;
    // The first module with the label, with the caller's reference: S_OK; S_FALSE and null when
    // there is none. E_POINTER for null.
    HRESULT RetrieveFromLabel(const SString& label, ISRptModule** module) const;
    // The container of the module with the id (after its one-time set-up), with the caller's
    // reference; for "ALL" the combined module is built first when it is not registered yet.
    // E_FAIL and null for an id that no module has; E_INVALIDARG for null; E_OUTOFMEMORY when
    // the combined module cannot be made. Throws SECOMException when gathering fails.
    HRESULT GetAvailableItems(const SString& id, ISRptAvailableItems** availableItems);
    int32_t GetCount() const { return m_modules.GetCount(); }
    int32_t GetCapacity() const { return m_modules.GetCapacity(); }

private:
    // Builds, fills and attaches the combined module.
    HRESULT BuildCombinedModule(const SString& id, const SString& label);

    SRptGrowTable<ISRptModule> m_modules{RPT_MODULE_LIST_GROWTH, RPT_MODULE_LIST_GROWTH};
};
