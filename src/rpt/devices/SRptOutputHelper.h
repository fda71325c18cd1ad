#pragma once
// What the writers read of a generation node: made once, when the tree first enters the node,
// and owned by the node. This base carries what the generation tree itself relies on; each
// node kind's helper reads its item in Init.
#include "platform/base/SString.h"
#include "platform/com/GUID.h"
#include "platform/com/IUnknown.h"

class SRptGenerationNode;

class SRptOutputHelper {
public:
    explicit SRptOutputHelper(SRptGenerationNode* node) : m_node(node) {}
    virtual ~SRptOutputHelper() = default;
    SRptOutputHelper(const SRptOutputHelper&) = delete;
    SRptOutputHelper& operator=(const SRptOutputHelper&) = delete;

    // Reads the item; the client is the generation run's.
    virtual HRESULT Init(IUnknown* client) = 0;
    // The node's outline number text, or empty without a node.
    virtual SString GetNumberText();
    // The text the contents entries show.
    virtual SString GetText() = 0;
    // Turns cell and hot-zone references into links once the tree is complete.
    virtual HRESULT ResolveLinks() { return S_OK; }

    const GUID* GetObjectID() const { return &m_objectID; }
    SRptGenerationNode* GetNode() const { return m_node; }

protected:
    SRptGenerationNode* m_node;
    GUID m_objectID{};
};
