#pragma once
// What the four paragraph kinds (title, header, item, footer) share: each is a paragraph format
// in every respect and differs from the plain paragraph only by its class (GUID, interface,
// registry) and by the name its attribute reports carry. `Kind` names them:
//     struct SRptParaTitleKind {
//         static constexpr GUID clsid = ...;
//         static constexpr const char* sourceFile = "RPT\\Objs\\SRptParaTitleMem";
//         static constexpr const char* className = "SRptParaTitleMem";
//     };
// A kind's in-memory half derives from SRptParaKindMem<Kind>, its interface half from that and
// its interface, answering it with SREP_QUERY_CLASS_INTERFACE.
#include <cstdint>

#include "platform/repo/SRepRegistry.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "rpt/objs/paras/SRptParaMem.h"

template <class Kind>
class SRptParaKindMem : public SRptParaImpl {
public:
    HRESULT GetAttribute(int32_t id, SRepVariant* value) override {
        return Guard().Get(id, value, [&] { return SRptParaImpl::GetAttribute(id, value); });
    }
    HRESULT SetAttribute(int32_t id, const SRepVariant& value) override {
        return Guard().Set(id, [&] { return SRptParaImpl::SetAttribute(id, value); });
    }
    HRESULT GetAttributeDefault(int32_t id, SRepVariant* value) override {
        return Guard().Default(id, value, [&] { return SRptParaImpl::GetAttributeDefault(id, value); });
    }
    uint32_t GetAttributeFlags(int32_t id) const override {
        return id == -1 ? 0 : SRptParaImpl::GetAttributeFlags(id);
    }
    uint32_t GetAttributeType(int32_t id) const override { return id == -1 ? 0 : SRptParaImpl::GetAttributeType(id); }
    bool HasAttribute(int32_t id) const override { return SRptParaImpl::HasAttribute(id); }
    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); }
    bool HasCollection(int32_t id) const override { return ClassHasCollection(id); }
    HRESULT FinalConstruct() override {
        HRESULT hr = SRptParaImpl::FinalConstruct();
        if (FAILED(hr)) return hr;
        if (SRepRegistry* registry = SRepRegistry::Find(Kind::clsid)) registry->SetClassInitialised();
        return S_OK;
    }

    // The kind's own class and the plain paragraph's chain; not the other kinds.
    static bool ClassIsKindOf(const GUID& clsid) { return clsid == Kind::clsid || SRptParaMem::ClassIsKindOf(clsid); }
    static bool ClassHasCollection(int32_t id) { return SRptParaMem::ClassHasCollection(id); }

    // A paragraph of a kind starts without a box, as a plain one does.
    HRESULT OnInitialize(ISRepObject* parent) override {
        const HRESULT hr = SRptParaImpl::OnInitialize(parent);
        PutBox(false);
        return hr;
    }

protected:
    explicit SRptParaKindMem(ISRepSession* session) : SRptParaImpl(session) {}
    SRptParaKindMem(const SRptParaKindMem& source) : SRptParaImpl(source) {}

private:
    static const SRptAttributeGuard& Guard() {
        static constexpr SRptAttributeGuard guard(Kind::sourceFile, Kind::className);
        return guard;
    }
};
