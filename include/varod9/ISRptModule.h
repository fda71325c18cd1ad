#pragma once
// A registered host module (RptRegisterModule): its label, a flag, its client, its private
// repository session and, in it, its available-items container, and the fields it registered.
// Its id is the container's ModuleID. Every operation answers its failures with codes.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/IUnknown.h"
#include "varod9/RptExport.h"

struct ISRepSession;
struct ISRptAvailableItems;
struct ISRptField;
struct ISRptItem;
struct ISRptModuleClient;

struct RPT_EXPORT ISRptModule : IUnknown {
    static constexpr GUID iid = MakeGUID("{E5E95716-B72F-11D1-8898-00A02455633B}");

    virtual HRESULT GetLabel(SString& sLabel) noexcept = 0;
    virtual HRESULT SetLabel(const SString& sLabel) noexcept = 0;
    virtual uint8_t GetFlag() noexcept = 0;
    // Stores the byte; E_POINTER for null.
    virtual HRESULT SetFlag(const uint8_t* pFlag) noexcept = 0;
    // The container's ModuleID; E_POINTER without a container.
    virtual HRESULT GetID(SString& sID) noexcept = 0;
    // The one-time set-up of the items: the built-in items, then the client's. S_FALSE when there
    // is no container or it was done already; a failure of the built-in items is returned.
    virtual HRESULT InitAvailableItems() noexcept = 0;
    // Into the container (without a container, E_POINTER).
    virtual HRESULT AddAvailableItem(ISRptItem* pItem) noexcept = 0;
    virtual HRESULT AddAvailableSubItem(ISRptItem* pItem, ISRptItem* pParentItem) noexcept = 0;
    // The module's session, with the caller's reference; E_POINTER for null.
    virtual HRESULT GetSession(ISRepSession** pSession) noexcept = 0;
    // The container after the one-time set-up (whose failure is returned), with the caller's
    // reference (null when there is none); E_POINTER for null.
    virtual HRESULT GetAvailableItems(ISRptAvailableItems** pAvailableItems) noexcept = 0;
    // Keeps a field with a reference of the module's own.
    virtual HRESULT AddField(ISRptField* pField) noexcept = 0;
    // Makes the module's session and container and sets the container's ModuleID to the id;
    // S_FALSE without the library's shell module.
    virtual HRESULT CreateAvailableItems(const SString& sID) noexcept = 0;
    // The client with the caller's reference (null allowed); E_POINTER for null.
    virtual HRESULT GetClient(ISRptModuleClient** pClient) noexcept = 0;
    // Stores the client without a reference: it must outlive the module.
    virtual HRESULT SetClient(ISRptModuleClient* pClient) noexcept = 0;

protected:
    ~ISRptModule() = default;
};

inline constexpr IID IID_ISRptModule = ISRptModule::iid;
