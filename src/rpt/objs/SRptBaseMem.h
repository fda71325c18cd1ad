#pragma once
// SRptBase, the root of the report classes: the attribute protocol's report layer on the
// repository object base, the initialisation face with its once-only rule, and the class's
// registry. Abstract: nothing is made of it alone.
//
// A report class X is three classes in one file pair, rpt/objs/<family>/SRptXMem.h/.cpp
// (paras, items, tables: the folder of its family):
//   SRptXMem      : SRptBaseImpl (or its base class's Impl) - data, constructors, attribute protocol
//   SRptXImpl     : SRptXMem, virtual ISRptX                - the operations of ISRptX
//   SRptXRegistry : SRptStaticRegistry<SRptXRegistry>      - class GUID, editor map, factory
// and its concrete objects are SRepComObject<SRptXImpl> (the factory, the deleting destruction
// and the live-object count come from there). What each class writes:
//   - its class GUID and attribute ids; its interface ISRptX : virtual ISRptBase (or the base
//     class's interface), with `iid` and `using BaseInterface = ...`, in include/varod9/;
//   - SRptXMem: the data members; a constructor from a session and a protected copy
//     constructor; SRPT_ATTRIBUTE_TABLE. The attribute protocol (the eight operations, the
//     class's kind and collection tests, FinalConstruct) is SRptBaseMem's, answered from the
//     class's attribute table, which the build generates from the metamodel
//     (rpt/resources/RptMetamodel.txt) and the bindings beside it (RptAttributeBindings.txt:
//     the class's header, and how an attribute is held when not as the member m_<name>, read
//     through Get<Name>() when computed). What the class does beyond holding a value (the
//     getters and setters of computed attributes) is its own code, which the table calls;
//   - SRptXImpl: `using Registry = SRptXRegistry;`, SRPT_PROPERTIES(SRptX) (the get and put of
//     the stored attributes), the interface's other operations, OnInitialize when it has one,
//     and SREP_QUERY_CLASS_INTERFACE(ISRptX, SRptXMem). An operation that the interface declares
//     noexcept runs what may throw in it through SExceptionResult::Guard; one that is not passes
//     its exceptions on, as its declaration says;
//   - SRptXRegistry: the declaration of its constructor and its attrEditorMap; both are generated
//     (the map chained to the base class's, the constructor passing the class GUID, the map,
//     SRepComObject<SRptXImpl>::Factory or nullptr when the metamodel marks the class abstract,
//     the two class tests, 1 and SRptGetModuleState(), and UseAllocator for a class bound with
//     `allocator`); then a row in rpt/objs/SRptRegistries.cpp.
// A class outside the metamodel (the tests' own) writes its protocol by hand instead, with
// SRPT_ATTRIBUTE_PROTOCOL and an SRptAttributeGuard, passing unknown ids to its base class.
// A class that adds a face of its own besides its class interface (a side interface deriving
// from IUnknown) forwards QueryInterface, AddRef and Release as SRptBaseImpl does and answers the
// face in its InternalQueryInterface.
#include <cstdint>

#include "platform/repo/ISRepObjectInit.h"
#include "platform/repo/SAttrEditorMap.h"
#include "platform/repo/SRepObjectBaseImpl.h"
#include "platform/repo/SRepQueryClassInterface.h"
#include "rpt/objs/SRptStaticRegistry.h"
#include "rpt/objs/SRptAttributeProperties.h"
#include "rpt/objs/SRptAttributeTable.h"
#include "varod9/ISRptBase.h"

// What the in-memory half of a report class of the metamodel declares: its generated table and
// the class's answers without an object (the registry's kind and collection tests).
#define SRPT_ATTRIBUTE_TABLE                                                                 \
    static const SRptAttributeRow attributeRows[];                                          \
    static const SRptAttributeTable attributeTable;                                         \
    const SRptAttributeTable& GetAttributeTable() const override { return attributeTable; } \
    static bool ClassIsKindOf(const GUID& clsid) { return attributeTable.IsKindOf(clsid); } \
    static bool ClassHasCollection(int32_t id) { return attributeTable.HasCollection(id); }

// What the interface half of a report class of the metamodel declares: the typed get and put of
// each of the class's stored attributes that its interface declares (Get_T and Set_T on the
// member), generated with the tables.
#define SRPT_PROPERTIES(Class) SRPT_PROPERTIES_##Class

// The attribute protocol of a class that writes it by hand, with the class's answers without an
// object.
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
    // Each from the row of the nearest class of the object's chain that has the id; an id that
    // no class has goes on to the repository base. Id -1 is never valid (E_FAIL from Get, Set
    // and Default, 0 from Flags and Type, false from Has).
    HRESULT GetAttribute(int32_t id, SRepVariant* value) override;
    HRESULT SetAttribute(int32_t id, const SRepVariant& value) override;
    bool IsKindOf(const GUID& clsid) const override { return GetAttributeTable().IsKindOf(clsid); }
    // The attributes of the chain, and the repository ids that every report object has.
    bool HasAttribute(int32_t id) const override;
    bool HasCollection(int32_t id) const override { return GetAttributeTable().HasCollection(id); }
    uint32_t GetAttributeFlags(int32_t id) const override;
    uint32_t GetAttributeType(int32_t id) const override;
    HRESULT GetAttributeDefault(int32_t id, SRepVariant* value) override;
    // The repository's set-up, then every class of the chain is marked initialised.
    HRESULT FinalConstruct() override;

    // The table of the object's class (SRPT_ATTRIBUTE_TABLE overrides it).
    virtual const SRptAttributeTable& GetAttributeTable() const { return attributeTable; }
    static const SRptAttributeRow attributeRows[];
    static const SRptAttributeTable attributeTable;
    static bool ClassIsKindOf(const GUID& clsid) { return attributeTable.IsKindOf(clsid); }
    static bool ClassHasCollection(int32_t id) { return attributeTable.HasCollection(id); }

protected:
    explicit SRptBaseMem(ISRepSession* session) : SRepObjectBaseImpl(session) {}
    SRptBaseMem(const SRptBaseMem& source) : SRepObjectBaseImpl(source) {}

private:
    // The tables read and write the members through the repository's typed setters.
    friend class SRptAttributeAccess;
};

class SRptBaseImpl : public SRptBaseMem, public virtual ISRptBase, public ISRepObjectInit {
public:
    // One count and one QueryInterface for every face of the object.
    HRESULT QueryInterface(const GUID& riid, void** out) override { return SRepObjectMem::QueryInterface(riid, out); }
    uint32_t AddRef() override { return SRepObjectMem::AddRef(); }
    uint32_t Release() override { return SRepObjectMem::Release(); }

    // The initialisation face: OnInitialize on the first call, S_FALSE and nothing after.
    HRESULT InitObject(ISRepObject* parent) noexcept override;
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

class SRptBaseRegistry : public SRptStaticRegistry<SRptBaseRegistry> {
public:
    SRptBaseRegistry();
    static const SAttrEditorMap attrEditorMap;
};
