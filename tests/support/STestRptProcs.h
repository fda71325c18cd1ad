#pragma once
// Host-module objects for the tests: the procedures of a module's items and a field's value
// provider, each recording what it was asked and answering what the test set. They are counted
// like any interface object, so that tests can see the references the library holds.
#include <cstdint>
#include <vector>

#include "platform/repo/ISRepObjSink.h"
#include "varod9/ISRptFieldProcs.h"
#include "varod9/ISRptUserProcs.h"

template <class I>
class STestRefCounted : public I {
public:
    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == IUnknown::iid || riid == I::iid) {
            *out = static_cast<I*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    uint32_t AddRef() override { return static_cast<uint32_t>(++m_refs); }
    uint32_t Release() override {
        const int32_t refs = --m_refs;
        if (refs == 0) delete this;
        return static_cast<uint32_t>(refs);
    }
    int32_t RefCount() const { return m_refs; }

protected:
    virtual ~STestRefCounted() = default;

private:
    int32_t m_refs = 0;
};

// An object of a module that is no procedures at all.
class STestUnknown final : public STestRefCounted<IUnknown> {};

// Records which attributes an object announces as changed, in order.
class STestChangeSink final : public STestRefCounted<ISRepObjSink> {
public:
    HRESULT OnDelete(ISRepObject*, int32_t) override { return S_OK; }
    HRESULT OnFlush(ISRepObject*) override { return S_OK; }
    HRESULT OnChange(ISRepObject*, int32_t id) override {
        changes.push_back(id);
        return S_OK;
    }
    std::vector<int32_t> changes;
};

class STestUserProcs final : public STestRefCounted<ISRptUserProcs> {
public:
    // Process: records the request, answers `entryText` in the record's second text.
    HRESULT Process(ISRptReport* pReport, RPTPROCCONTEXT* pContext) override {
        ++processCalls;
        lastReport = pReport;
        lastRequest = *pContext;
        pContext->Text2 = entryText;
        return processResult;
    }
    HRESULT Reserved1(ISRptReport*, RPTPROCCONTEXT*) override { return Other(); }
    HRESULT Reserved2(ISRptReport*, RPTPROCCONTEXT*) override { return Other(); }
    HRESULT Reserved3(ISRptReport*, RPTPROCCONTEXT*) override { return Other(); }
    HRESULT Begin(ISRptReport*, RPTPROCCONTEXT*) override { return Other(); }
    HRESULT End(ISRptReport*, RPTPROCCONTEXT*) override { return Other(); }
    HRESULT Next(ISRptReport*, RPTPROCCONTEXT*) override { return Other(); }
    HRESULT Fetch(ISRptReport*, RPTPROCCONTEXT*) override { return Other(); }
    HRESULT GetValue(ISRptReport*, RPTPROCCONTEXT*) override { return Other(); }
    HRESULT GetMemberText(ISRptReport*, RPTPROCCONTEXT*) override { return Other(); }

    SString entryText = "entry";
    HRESULT processResult = S_OK;
    int32_t processCalls = 0;
    int32_t otherCalls = 0;
    ISRptReport* lastReport = nullptr;
    RPTPROCCONTEXT lastRequest;

private:
    HRESULT Other() {
        ++otherCalls;
        return E_NOTIMPL;
    }
};

class STestFieldProcs final : public STestRefCounted<ISRptFieldProcs> {
public:
    HRESULT GetFieldVal(ISRptReport* pReport, RPTFIELDVALREQ* pRequest) override {
        ++calls;
        lastReport = pReport;
        lastRequest = *pRequest;
        pRequest->Value = value;
        return result;
    }

    SString value = "provided";
    HRESULT result = S_OK;
    int32_t calls = 0;
    ISRptReport* lastReport = nullptr;
    RPTFIELDVALREQ lastRequest;
};
