#pragma once
// A repository class for the repository layer's own tests: a node with one attribute of every
// stored type, an owning collection Items with its inverse end Parent, and a second collection
// Links; it counts its initialisations and records the framework's calls back.
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/repo/ISRepObjectInit.h"
#include "platform/repo/SRepComObject.h"
#include "platform/repo/SRepObjectBaseImpl.h"
#include "platform/repo/SRepQueryClassInterface.h"
#include "platform/repo/SRepStaticRegistry.h"

inline constexpr GUID CLSID_STestNode = MakeGUID("{A5E59735-D51F-4E69-81C8-9092A5B624ED}");

inline constexpr int32_t NODE_NAME = 0x01000002;
inline constexpr int32_t NODE_TEXT = 0x0200F001;
inline constexpr int32_t NODE_SHORT = 0x0200F002;
inline constexpr int32_t NODE_INT = 0x0200F003;
inline constexpr int32_t NODE_BOOL = 0x0200F004;
inline constexpr int32_t NODE_RECT = 0x0200F005;
inline constexpr int32_t NODE_POINT = 0x0200F006;
inline constexpr int32_t NODE_DATE = 0x0200F007;
inline constexpr int32_t NODE_ITEMS = 0x02000151;
inline constexpr int32_t NODE_PARENT = 0x02800151;
inline constexpr int32_t NODE_LINKS = 0x0200F010;

struct ISTestNode : virtual ISRepObject {
    static constexpr GUID iid = MakeGUID("{EEBA93D4-0C6C-4C7A-B374-B7944058A3A8}");
    using BaseInterface = ISRepObject;
    virtual SString GetName() = 0;
    virtual HRESULT PutName(const SString& name) = 0;
    virtual int32_t GetInt() = 0;
    virtual HRESULT PutInt(int32_t value) = 0;

protected:
    ~ISTestNode() = default;
};

class STestNodeRegistry;

class STestNodeMem : public SRepObjectBaseImpl, public virtual ISTestNode, public ISRepObjectInit {
public:
    using Registry = STestNodeRegistry;

    HRESULT QueryInterface(const GUID& riid, void** out) override { return SRepObjectMem::QueryInterface(riid, out); }
    uint32_t AddRef() override { return SRepObjectMem::AddRef(); }
    uint32_t Release() override { return SRepObjectMem::Release(); }

    HRESULT GetAttribute(int32_t id, SRepVariant* value) override;
    HRESULT SetAttribute(int32_t id, const SRepVariant& value) override;
    bool IsKindOf(const GUID& clsid) const override { return ClassIsKindOf(clsid); }
    bool HasAttribute(int32_t id) const override;
    bool HasCollection(int32_t id) const override { return ClassHasCollection(id); }
    uint32_t GetAttributeType(int32_t id) const override;
    HRESULT FinalConstruct() override;
    HRESULT InitObject(ISRepObject* parent) noexcept override;

    SString GetName() override { return Get_CHAR(NODE_NAME, m_name); }
    HRESULT PutName(const SString& name) override { return Set_CHAR(NODE_NAME, name, m_name); }
    int32_t GetInt() override { return Get_INT(NODE_INT, m_int); }
    HRESULT PutInt(int32_t value) override { return Set_INT(NODE_INT, value, m_int); }

    HRESULT OnUpdateAttribute(int32_t id) override;
    HRESULT OnCollectionInsert(int32_t id, ISRepObject* object, int32_t position) override;

    static bool ClassIsKindOf(const GUID& clsid);
    static bool ClassHasCollection(int32_t id);

    // What the tests read back.
    int32_t initCount = 0;
    ISRepObject* initParent = nullptr;
    std::vector<int32_t> updates;
    std::vector<std::pair<int32_t, int32_t>> inserts;  // (collection id, position)

    // Makes the next FinalConstruct fail with this code (0: none).
    static inline HRESULT failNextFinalConstruct = S_OK;
    // Makes the next InitObject fail with this code (0: none).
    static inline HRESULT failNextInit = S_OK;

protected:
    explicit STestNodeMem(ISRepSession* session) : SRepObjectBaseImpl(session) {}
    STestNodeMem(const STestNodeMem& source);

    void* InternalQueryInterface(const GUID& riid) override;

private:
    SString m_name;
    SString m_text;
    int16_t m_short = 0;
    int32_t m_int = 0;
    bool m_bool = false;
    RECT m_rect{};
    POINT m_point{};
    int32_t m_date = 0;
};

class STestNodeRegistry : public SRepStaticRegistry<STestNodeRegistry> {
public:
    STestNodeRegistry();
    // The module state whose live-object counter counts the nodes.
    static SModuleState& Counter();
};

// A node made by the session's CreateObject, as its test interface (empty on failure).
SComWrap<ISTestNode> MakeTestNode(ISRepSession* session, const char* name = "", bool initialise = false);
