#pragma once
// A concrete report class for the tests, written the way every report class is: the three
// classes of one file pair (in-memory half, interface half, registry), its interface, its ids and
// GUIDs. Besides its two attributes and its Items collection it carries switches through which
// the tests make its FinalConstruct fail or its reading of SAMPLE_FAULT throw.
#include <cstdint>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/SRptBaseMem.h"

inline constexpr GUID CLSID_SRptTestSample = MakeGUID("{DEC76D27-3852-47FB-9BFE-53B2C28BB089}");

inline constexpr int32_t SAMPLE_LABEL = 0x0200F101;   // text
inline constexpr int32_t SAMPLE_COUNT = 0x0200F102;   // int
inline constexpr int32_t SAMPLE_FAULT = 0x0200F1FF;   // reading it runs SRptTestSampleMem::fault
inline constexpr int32_t SAMPLE_ITEMS = 0x02000151;   // owning
inline constexpr int32_t SAMPLE_PARENT = 0x02800151;  // its inverse end

struct ISRptTestSample : virtual ISRptBase {
    static constexpr GUID iid = MakeGUID("{73F037C7-926A-405A-B0D2-65E0F9EDBEBD}");
    using BaseInterface = ISRptBase;
    virtual SString GetLabel() = 0;
    virtual HRESULT PutLabel(const SString& label) = 0;
    virtual int32_t GetCount() = 0;
    virtual HRESULT PutCount(int32_t count) = 0;
    virtual SRepClassColPtr Items() = 0;

protected:
    ~ISRptTestSample() = default;
};

class SRptTestSampleRegistry;

class SRptTestSampleMem : public SRptBaseImpl {
public:
    SRPT_ATTRIBUTE_PROTOCOL

    // Test switches and records.
    static inline void (*fault)() = nullptr;
    static inline HRESULT failNextFinalConstruct = S_OK;
    static inline int32_t countAtLastDestruction = 0;
    // The destructor takes a reference and gives it back, as a stray call during teardown does.
    static inline bool strayReferenceWhileDestroyed = false;
    int32_t initCount = 0;
    ISRepObject* initParent = nullptr;

protected:
    explicit SRptTestSampleMem(ISRepSession* session) : SRptBaseImpl(session), m_label("sample") {}
    SRptTestSampleMem(const SRptTestSampleMem& source);
    ~SRptTestSampleMem() override {
        if (strayReferenceWhileDestroyed) {
            AddRef();
            Release();
        }
        countAtLastDestruction = GetRefCount();
    }

    SString m_label;
    int32_t m_count = 0;
};

class SRptTestSampleImpl : public SRptTestSampleMem, public virtual ISRptTestSample {
public:
    using Registry = SRptTestSampleRegistry;

    SString GetLabel() override { return Get_TEXT(SAMPLE_LABEL, m_label); }
    HRESULT PutLabel(const SString& label) override { return Set_TEXT(SAMPLE_LABEL, label, m_label); }
    int32_t GetCount() override { return Get_INT(SAMPLE_COUNT, m_count); }
    HRESULT PutCount(int32_t count) override { return Set_INT(SAMPLE_COUNT, count, m_count); }
    SRepClassColPtr Items() override { return GetCollection(SAMPLE_ITEMS); }

    HRESULT OnInitialize(ISRepObject* parent) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptTestSample, SRptTestSampleMem)

protected:
    explicit SRptTestSampleImpl(ISRepSession* session) : SRptTestSampleMem(session) {}
    SRptTestSampleImpl(const SRptTestSampleImpl& source) : SRptTestSampleMem(source) {}
};

class SRptTestSampleRegistry : public SRepStaticRegistry<SRptTestSampleRegistry> {
public:
    SRptTestSampleRegistry();
    static const SAttrEditorMap attrEditorMap;
};
