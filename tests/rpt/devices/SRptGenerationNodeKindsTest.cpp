#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/base/SECOMException.h"
#include "rpt/devices/SRptGenerationNodeFolder.h"
#include "rpt/devices/SRptGenerationNodeGrpText.h"
#include "rpt/devices/SRptGenerationNodeGrpTitle.h"
#include "rpt/devices/SRptGenerationNodeText.h"
#include "rpt/devices/SRptGenerationTree.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptFolder.h"
#include "varod9/ISRptGrpText.h"
#include "varod9/ISRptGrpTitle.h"

namespace {

constexpr GUID kGrpTextProcs = MakeGUID("{E5E95603-B72F-11D1-8898-00A02455633B}");
constexpr GUID kFolderProcs = MakeGUID("{E5E955FF-B72F-11D1-8898-00A02455633B}");
constexpr GUID kGrpTitleProcs = MakeGUID("{E5E95604-B72F-11D1-8898-00A02455633B}");

// Module procedures answering one kind's interface and logging each call with the record's words.
class SLoggingProcs final : public STestRefCounted<ISRptProcs> {
public:
    explicit SLoggingProcs(const GUID& iid) : m_iid(iid) {}
    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (riid != m_iid) return STestRefCounted<ISRptProcs>::QueryInterface(riid, out);
        *out = static_cast<ISRptProcs*>(this);
        AddRef();
        return S_OK;
    }
    HRESULT Reserved1(ISRptReport*, RPTPROCCONTEXT* c) override { return Log("reserved1", c); }
    HRESULT Reserved2(ISRptReport*, RPTPROCCONTEXT* c) override { return Log("reserved2", c); }
    HRESULT Reserved3(ISRptReport*, RPTPROCCONTEXT* c) override { return Log("reserved3", c); }
    HRESULT Begin(ISRptReport*, RPTPROCCONTEXT* c) override { return Log("begin", c); }
    HRESULT End(ISRptReport*, RPTPROCCONTEXT* c) override { return Log("end", c); }
    HRESULT Next(ISRptReport*, RPTPROCCONTEXT* c) override { return Log("next", c); }
    HRESULT Process(ISRptReport*, RPTPROCCONTEXT* c) override { return Log("process", c); }
    HRESULT Fetch(ISRptReport*, RPTPROCCONTEXT* c) override { return Log("fetch", c); }
    HRESULT GetValue(ISRptReport*, RPTPROCCONTEXT* c) override { return Log("getvalue", c); }
    HRESULT GetMemberText(ISRptReport*, RPTPROCCONTEXT* c) override { return Log("membertext", c); }

    std::vector<std::string> calls;
    std::vector<RPTPROCCONTEXT> records;

private:
    HRESULT Log(const char* what, RPTPROCCONTEXT* c) {
        calls.push_back(what);
        records.push_back(*c);
        return 7;  // nothing the node looks at
    }
    GUID m_iid;
};

class SRptGenerationNodeKindsTest : public SRptItemKindTestFixture {
protected:
    void TearDown() override {
        tree.reset();
        SRptItemKindTestFixture::TearDown();
    }
    SComWrap<SLoggingProcs> Procs(const GUID& iid) { return SComWrap<SLoggingProcs>(new SLoggingProcs(iid)); }

    std::unique_ptr<SRptGenerationTree> tree = std::make_unique<SRptGenerationTree>(nullptr, 0);
    // The run's client; the custom kinds only pass it on.
    SComWrap<IUnknown> client{new STestUnknown};
};

TEST_F(SRptGenerationNodeKindsTest, CustomPrepareOpensAndPositionsTheModuleOnce) {
    SComWrap<ISRptGrpText> item = Build<ISRptGrpText>(CLSID_SRptGrpText);
    item->PutItemParam(42);
    SComWrap<SLoggingProcs> procs = Procs(kGrpTextProcs);
    item->SetUserProcs(static_cast<ISRptProcs*>(procs.Get()));
    SRptGenerationNodeGrpText node(tree.get(), item.Get(), 3);

    EXPECT_EQ(node.Prepare(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_PREPARED);
    // Already prepared: the module is not asked again.
    EXPECT_EQ(node.Prepare(client.Get()), S_OK);
    ASSERT_EQ(procs->calls, (std::vector<std::string>{"begin", "process"}));
    for (const RPTPROCCONTEXT& record : procs->records) {
        EXPECT_EQ(record.Occurrence, 3);
        EXPECT_EQ(record.ItemParam, 42);
        EXPECT_EQ(static_cast<void*>(record.GenerationClient), static_cast<void*>(client.Get()));
        EXPECT_EQ(record.RowCursor, 0);
    }
    item->SetUserProcs(nullptr);
}

TEST_F(SRptGenerationNodeKindsTest, CustomLeaveAlwaysEndsAndReselectRepositions) {
    SComWrap<ISRptGrpText> item = Build<ISRptGrpText>(CLSID_SRptGrpText);
    SComWrap<SLoggingProcs> procs = Procs(kGrpTextProcs);
    item->SetUserProcs(static_cast<ISRptProcs*>(procs.Get()));
    SRptGenerationNodeGrpText node(tree.get(), item.Get(), 0);

    // Never prepared, still closed by the module.
    EXPECT_EQ(node.Leave(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_CLOSED);
    EXPECT_EQ(node.Reselect(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_PREPARED);
    EXPECT_EQ(node.Reselect(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_PREPARED);
    EXPECT_EQ(procs->calls, (std::vector<std::string>{"end", "process", "process"}));
    item->SetUserProcs(nullptr);
}

TEST_F(SRptGenerationNodeKindsTest, GroupMembersTellTheModuleTheirDisplayedTitle) {
    SComWrap<ISRptFolder> folder = Build<ISRptFolder>(CLSID_SRptFolder);
    folder->PutUserDefined(true);
    folder->PutTitle("Clients");
    SComWrap<SLoggingProcs> folderProcs = Procs(kFolderProcs);
    folder->SetUserProcs(static_cast<ISRptProcs*>(folderProcs.Get()));
    SRptGenerationNodeFolder folderNode(tree.get(), folder.Get(), 2);
    folderNode.Prepare(client.Get());
    ASSERT_EQ(folderProcs->records.size(), 2u);
    EXPECT_EQ(folderProcs->records[0].Text1, folder->GetDispTitle());
    EXPECT_EQ(folderProcs->records[0].Text1, "Clients");

    SComWrap<ISRptGrpTitle> title = Build<ISRptGrpTitle>(CLSID_SRptGrpTitle);
    title->PutUserDefined(true);
    title->PutTitle("Orders");
    SComWrap<SLoggingProcs> titleProcs = Procs(kGrpTitleProcs);
    title->SetUserProcs(static_cast<ISRptProcs*>(titleProcs.Get()));
    SRptGenerationNodeGrpTitle titleNode(tree.get(), title.Get(), 1);
    titleNode.Leave(client.Get());
    ASSERT_EQ(titleProcs->calls, (std::vector<std::string>{"end"}));
    EXPECT_EQ(titleProcs->records[0].Text1, "Orders");
    EXPECT_EQ(titleProcs->records[0].Occurrence, 1);
    folder->SetUserProcs(nullptr);
    title->SetUserProcs(nullptr);
}

TEST_F(SRptGenerationNodeKindsTest, ProceduresOfAnotherKindOrNoneFailThePrepare) {
    SComWrap<ISRptGrpText> item = Build<ISRptGrpText>(CLSID_SRptGrpText);
    SRptGenerationNodeGrpText node(tree.get(), item.Get(), 0);
    // No procedures at all.
    EXPECT_THROW(node.Prepare(client.Get()), SECOMException);
    // Procedures of a folder only.
    SComWrap<SLoggingProcs> procs = Procs(kFolderProcs);
    item->SetUserProcs(static_cast<ISRptProcs*>(procs.Get()));
    try {
        node.Prepare(client.Get());
        ADD_FAILURE() << "no exception";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), static_cast<HRESULT>(0x80004003));
    }
    EXPECT_TRUE(procs->calls.empty());
    EXPECT_EQ(node.GetState(), RPTNODE_CLOSED);

    RPTPROCCONTEXT record;
    EXPECT_EQ(node.FillRecord(client.Get(), &record, nullptr), static_cast<HRESULT>(0x80004003));
    item->SetUserProcs(nullptr);
}

TEST_F(SRptGenerationNodeKindsTest, PlainKindsKeepTheBaseStates) {
    SComWrap<ISRptItem> item = Item("text");
    SRptGenerationNodeText node(tree.get(), item.Get());
    EXPECT_EQ(node.GetOccurrence(), 0);
    EXPECT_EQ(node.Reselect(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_CLOSED);
    EXPECT_EQ(node.Enter(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_ENTERED);
    // Until the kind has its helper, entering makes none.
    EXPECT_EQ(node.GetOutputHelper(), nullptr);
    EXPECT_EQ(node.Prepare(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_ENTERED);
    EXPECT_EQ(node.Leave(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_CLOSED);
    item->Delete();
}

}  // namespace
