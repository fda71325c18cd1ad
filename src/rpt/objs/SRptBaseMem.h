#pragma once
// SRptBase, the root of the report classes: the attribute protocol's report layer on the
// repository object base, the initialisation face with its once-only rule, and the class's
// registry. Abstract: nothing is made of it alone.
//
// A report class X is three classes in one file pair, rpt/objs/<family>/SRptXMem.h/.cpp
// (paras, items, tables: the folder of its family):
//   SRptXMem      : SRptBaseImpl (or its base class's Impl) - data, constructors, attribute protocol
//   SRptXImpl     : SRptXMem, virtual ISRptX                - the operations of ISRptX
//   SRptXRegistry : SRepStaticRegistry<SRptXRegistry>      - class GUID, editor map, factory
// and its concrete objects are SRepComObject<SRptXImpl> (the factory, the deleting destruction
// and the live-object count come from there). What each class writes:
//   - its class GUID and attribute ids; its interface ISRptX : virtual ISRptBase (or the base
//     class's interface), with `iid` and `using BaseInterface = ...`, in include/varod9/;
//   - SRptXMem: the data members; a constructor from a session and a protected copy
//     constructor; the eight operations of the attribute protocol, Get/Set/Default through the
//     class's SRptAttributeGuard (a switch on its own ids, `default:` passing to the base class);
//     ClassIsKindOf and ClassHasCollection answering completely; FinalConstruct ending with
//     SRptXRegistry::MarkClassInitialised();
//   - SRptXImpl: `using Registry = SRptXRegistry;`, the interface's operations (stored
//     attributes through Get_T/Set_T), OnInitialize when it has one, and
//     SREP_QUERY_CLASS_INTERFACE(ISRptX, SRptXMem);
//   - SRptXRegistry: its attrEditorMap chained to the base class's, and a constructor passing
//     the class GUID, the map, SRepComObject<SRptXImpl>::Factory (nullptr when abstract), the two
//     class tests, 1 and SRptGetModuleState() (and UseAllocator for the allocator-backed classes);
//     then a row in rpt/objs/SRptRegistries.cpp.
// A class that adds a face of its own besides its class interface (a side interface deriving
// from IUnknown) forwards QueryInterface, AddRef and Release as SRptBaseImpl does and answers the
// face in its InternalQueryInterface.
#include <cstdint>

#include "platform/repo/ISRepObjectInit.h"
#include "platform/repo/SAttrEditorMap.h"
#include "platform/repo/SRepObjectBaseImpl.h"
#include "platform/repo/SRepQueryClassInterface.h"
#include "platform/repo/SRepStaticRegistry.h"
#include "varod9/ISRptBase.h"

// The attribute protocol that the in-memory half of every report class declares, with the
// class's answers without an object (the registry's kind and collection tests).
#define SRPT_ATTRIBUTE_PROTOCOL                                                      \
    HRESULT GetAttribute(int32_t id, SRepVariant* value) override;                   \
    HRESULT SetAttribute(int32_t id, const SRepVariant& value) override;             \
    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); } \
    bool HasAttribute(int32_t id) const override;                                    \
    bool HasCollection(int32_t id) const override { return ClassHasCollection(id); } \
    uint32_t GetAttributeFlags(int32_t id) const override;                           \
    uint32_t GetAttributeType(int32_t id) const override;                            \
    HRESULT GetAttributeDefault(int32_t id, SRepVariant* value) override;            \
    HRESULT FinalConstruct() override;                                               \
    static bool ClassIsKindOf(const GUID& clsid);                                    \
    static bool ClassHasCollection(int32_t id);

inline constexpr GUID CLSID_SRptBase = MakeGUID("{A6BAC8D0-B730-11D1-8898-00A02455633B}");

class SRptBaseMem : public SRepObjectBaseImpl {
public:
    SRPT_ATTRIBUTE_PROTOCOL

protected:
    explicit SRptBaseMem(ISRepSession* session) : SRepObjectBaseImpl(session) {}
    SRptBaseMem(const SRptBaseMem& source) : SRepObjectBaseImpl(source) {}
};

class SRptBaseImpl : public SRptBaseMem, public virtual ISRptBase, public ISRepObjectInit {
public:
    // One count and one QueryInterface for every face of the object.
    HRESULT QueryInterface(const GUID& riid, void** out) override { return SRepObjectMem::QueryInterface(riid, out); }
    uint32_t AddRef() override { return SRepObjectMem::AddRef(); }
    uint32_t Release() override { return SRepObjectMem::Release(); }

    // The initialisation face: OnInitialize on the first call, S_FALSE and nothing after.
    HRESULT InitObject(ISRepObject* parent) override;
    // The class's initialisation when it is created into a collection (`parent` holds the
    // collection; null allowed). Overrides call their base's.
    virtual HRESULT OnInitialize(ISRepObject* parent);

protected:
    explicit SRptBaseImpl(ISRepSession* session) : SRptBaseMem(session) {}
    // A copy has not been initialised: copies are made without OnInitialize.
    SRptBaseImpl(const SRptBaseImpl& source) : SRptBaseMem(source) {}

    // ISRptBase, then the repository object's faces (ISRepObject, IUnknown, IDispatch), then the
    // faces every report object shares (the initialisation face).
    void* InternalQueryInterface(const GUID& riid) override;

private:
    bool m_initialised = false;
};

class SRptBaseRegistry : public SRepStaticRegistry<SRptBaseRegistry> {
public:
    SRptBaseRegistry();
    static const SAttrEditorMap attrEditorMap;
};
