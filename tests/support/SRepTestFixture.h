#pragma once
// A repository test: the test node class registered, an open session, and at the end the check
// that every node made has gone again.
#include <gtest/gtest.h>

#include "support/STestNodeMem.h"
#include "platform/repo/SRepSession.h"

class SRepTestFixture : public testing::Test {
protected:
    void SetUp() override {
        STestNodeRegistry::Construct();
        baseline = STestNodeRegistry::Counter().LockCount();
        ASSERT_EQ(SRepSession::Create("test", &session), S_OK);
    }
    void TearDown() override {
        session->Close();
        session.Clear();
        EXPECT_EQ(STestNodeRegistry::Counter().LockCount(), baseline) << "nodes left alive";
        STestNodeRegistry::Destroy();
    }
    SComWrap<ISTestNode> Node(const char* name, bool initialise = false) {
        return MakeTestNode(session.Get(), name, initialise);
    }
    // The names of a node's collection, in order.
    static std::vector<std::string> Names(ISRepObject* owner, int32_t id) {
        std::vector<std::string> names;
        SComWrap<ISRepClassCol> collection;
        if (FAILED(owner->GetCollection(id, &collection))) return {"<no collection>"};
        int32_t count = 0;
        collection->GetCount(&count);
        for (int32_t i = 0; i < count; ++i) {
            SComWrap<ISRepObject> element;
            collection->Item(i, &element);
            SComWrap<ISTestNode> node;
            node.Assign(element.Get());
            names.push_back(node ? node->GetName().str() : "?");
        }
        return names;
    }
    static int32_t Live() { return STestNodeRegistry::Counter().LockCount(); }

    SComWrap<ISRepSession> session;
    int32_t baseline = 0;
};
