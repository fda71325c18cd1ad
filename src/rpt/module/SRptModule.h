#pragma once
// A registered host module: its label, a flag, its client (not referenced: it must outlive the
// module), its private repository session with the available-items container at its root, and
// the fields it registered. The module's id is the container's ModuleID. The module holds the
// session's reference from its creation and gives it back once, after closing the session.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepSession.h"
#include "rpt/module/SRptGrowTable.h"
#include "rpt/module/SRptRefCounted.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptField.h"
#include "varod9/ISRptModule.h"
#include "varod9/ISRptModuleClient.h"

// The growth of the fields array: 10 at first, then 10 more each time it is full.
inline constexpr int32_t RPT_MODULE_FIELDS_GROWTH = 10;

class SRptModule final : public SRptRefCounted<ISRptModule> {
public:
    // A new module with one reference, the caller's; no session, no container yet.
    SRptModule();
    SRptModule(const SRptModule&) = delete;
    SRptModule& operator=(const SRptModule&) = delete;

    HRESULT GetLabel(SString& sLabel) noexcept override;
    HRESULT SetLabel(const SString& sLabel) noexcept override;
    uint8_t GetFlag() noexcept override { return m_flag; }
    HRESULT SetFlag(const uint8_t* pFlag) noexcept override;
    HRESULT GetID(SString& sID) noexcept override;
    HRESULT InitAvailableItems() noexcept override;
    HRESULT AddAvailableItem(ISRptItem* pItem) noexcept override;
    HRESULT AddAvailableSubItem(ISRptItem* pItem, ISRptItem* pParentItem) noexcept override;
    HRESULT GetSession(ISRepSession** pSession) noexcept override;
    HRESULT GetAvailableItems(ISRptAvailableItems** pAvailableItems) noexcept override;
    HRESULT AddField(ISRptField* pField) noexcept override;
    HRESULT CreateAvailableItems(const SString& sID) noexcept override;
    HRESULT GetClient(ISRptModuleClient** pClient) noexcept override;
    HRESULT SetClient(ISRptModuleClient* pClient) noexcept override;

    // The one-time set-up counts as done: a module that only gathers the items of others (the
    // combined "ALL" module) makes no built-in items of its own.
    void MarkItemsInitialised() { m_itemsInitialised = true; }
    int32_t GetFieldCount() const { return m_fields.GetCount(); }
    int32_t GetFieldCapacity() const { return m_fields.GetCapacity(); }

private:
    ~SRptModule() override;
    // Closes and lets go of the session and its container.
    void DropSession();

    SString m_label;
    uint8_t m_flag = 0;
    SComWrap<ISRepSession> m_session;
    SComWrap<ISRptAvailableItems> m_availableItems;
    ISRptModuleClient* m_client = nullptr;
    SRptGrowTable<ISRptField> m_fields{RPT_MODULE_FIELDS_GROWTH, RPT_MODULE_FIELDS_GROWTH};
    bool m_itemsInitialised = false;
};
