#pragma once
// A host module's procedures for every kind of module item, as one object: it answers the
// queries for each kind's procedures interface, logs every call with a copy of the record it was
// handed and the report it came with, and answers as the test scripts it. An operation without a
// script answers 0 and leaves the record alone. It is counted like any interface object, so that
// tests see the references the library holds.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "varod9/ISRptFolderProcs.h"
#include "varod9/ISRptFormProcs.h"
#include "varod9/ISRptGrpTextProcs.h"
#include "varod9/ISRptGrpTitleProcs.h"
#include "varod9/ISRptListProcs.h"
#include "varod9/ISRptUserGraphicProcs.h"
#include "varod9/ISRptUserProcs.h"
#include "varod9/RptItemDef.h"

class STestModuleProcs final : public ISRptUserProcs,
                               public ISRptFolderProcs,
                               public ISRptFormProcs,
                               public ISRptGrpTextProcs,
                               public ISRptGrpTitleProcs,
                               public ISRptListProcs,
                               public ISRptUserGraphicProcs {
public:
    // The identity the smart pointer and the items see.
    static constexpr GUID iid = ISRptUserProcs::iid;

    // One operation's answer: may change the record, returns the operation's result.
    using Answer = std::function<HRESULT(RPTPROCCONTEXT&)>;

    struct Call {
        std::string operation;  // "begin", "end", "next", "process", "fetch", "getvalue", "membertext"
        RPTPROCCONTEXT record;  // as the module received it
        ISRptReport* report;    // the report it was called with, or null
    };

    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (riid == IUnknown::iid || riid == ISRptUserProcs::iid) *out = static_cast<ISRptUserProcs*>(this);
        else if (riid == ISRptFolderProcs::iid) *out = static_cast<ISRptFolderProcs*>(this);
        else if (riid == ISRptFormProcs::iid) *out = static_cast<ISRptFormProcs*>(this);
        else if (riid == ISRptGrpTextProcs::iid) *out = static_cast<ISRptGrpTextProcs*>(this);
        else if (riid == ISRptGrpTitleProcs::iid) *out = static_cast<ISRptGrpTitleProcs*>(this);
        else if (riid == ISRptListProcs::iid) *out = static_cast<ISRptListProcs*>(this);
        else if (riid == ISRptUserGraphicProcs::iid) *out = static_cast<ISRptUserGraphicProcs*>(this);
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    uint32_t AddRef() override { return static_cast<uint32_t>(++m_refs); }
    uint32_t Release() override {
        const int32_t refs = --m_refs;
        if (refs == 0) delete this;
        return static_cast<uint32_t>(refs);
    }
    int32_t RefCount() const { return m_refs; }
    // The face to hand to an item's SetUserProcs.
    IUnknown* AsUnknown() { return static_cast<ISRptUserProcs*>(this); }
    // The description of an item of `moduleID` that these procedures answer: `id` is its item id,
    // label and default title, `param` the ItemParam handed back in every record.
    RPTUSRITEMDEF Describe(const char* moduleID, const char* id, int32_t kind, int32_t param = 0) {
        RPTUSRITEMDEF def;
        def.ModuleID = moduleID;
        def.ItemID = id;
        def.Label = id;
        def.Kind = kind;
        def.DefaultTitle = id;
        def.ItemParam = param;
        def.UserProcs = AsUnknown();
        return def;
    }

    HRESULT Reserved1(ISRptReport* r, RPTPROCCONTEXT* c) override { return Run("reserved1", nullptr, r, c); }
    HRESULT Reserved2(ISRptReport* r, RPTPROCCONTEXT* c) override { return Run("reserved2", nullptr, r, c); }
    HRESULT Reserved3(ISRptReport* r, RPTPROCCONTEXT* c) override { return Run("reserved3", nullptr, r, c); }
    HRESULT Begin(ISRptReport* r, RPTPROCCONTEXT* c) override { return Run("begin", &begin, r, c); }
    HRESULT End(ISRptReport* r, RPTPROCCONTEXT* c) override { return Run("end", &end, r, c); }
    HRESULT Next(ISRptReport* r, RPTPROCCONTEXT* c) override { return Run("next", &next, r, c); }
    HRESULT Process(ISRptReport* r, RPTPROCCONTEXT* c) override { return Run("process", &process, r, c); }
    HRESULT Fetch(ISRptReport* r, RPTPROCCONTEXT* c) override { return Run("fetch", &fetch, r, c); }
    HRESULT GetValue(ISRptReport* r, RPTPROCCONTEXT* c) override { return Run("getvalue", &getValue, r, c); }
    HRESULT GetMemberText(ISRptReport* r, RPTPROCCONTEXT* c) override {
        return Run("membertext", &memberText, r, c);
    }
    int32_t IsCommandSupported(uint32_t) override { return 0; }
    int32_t HasUserOrder() override { return 0; }

    // A Fetch that gives `rows` further rows and then no more.
    void FetchRows(int32_t rows) {
        fetch = [this, rows](RPTPROCCONTEXT&) { return m_fetched < rows ? (++m_fetched, 1) : 0; };
    }
    // The operations called, in order.
    std::vector<std::string> Operations() const {
        std::vector<std::string> names;
        for (const Call& call : calls) names.push_back(call.operation);
        return names;
    }
    // The records of the calls of one operation, in order.
    std::vector<RPTPROCCONTEXT> Records(const std::string& operation) const {
        std::vector<RPTPROCCONTEXT> records;
        for (const Call& call : calls)
            if (call.operation == operation) records.push_back(call.record);
        return records;
    }

    Answer begin, end, next, process, fetch, getValue, memberText;
    std::vector<Call> calls;

private:
    ~STestModuleProcs() = default;
    HRESULT Run(const char* operation, Answer* answer, ISRptReport* report, RPTPROCCONTEXT* record) {
        calls.push_back(Call{operation, *record, report});
        return answer && *answer ? (*answer)(*record) : 0;
    }

    int32_t m_refs = 0;
    int32_t m_fetched = 0;
};
