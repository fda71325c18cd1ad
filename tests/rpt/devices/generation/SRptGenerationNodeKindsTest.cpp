#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/base/SECOMException.h"
#include "rpt/devices/generation/SRptGenerationNodeFolder.h"
#include "rpt/devices/generation/SRptGenerationNodeGrpText.h"
#include "rpt/devices/generation/SRptGenerationNodeGrpTitle.h"
#include "rpt/devices/generation/SRptGenerationNodeList.h"
#include "rpt/devices/generation/SRptGenerationNodeTemplate.h"
#include "rpt/devices/generation/SRptGenerationNodeText.h"
#include "rpt/devices/generation/SRptGenerationNodeUserGraphic.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/tables/SRptListCellMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/SRptListRowMem.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptFolder.h"
#include "varod9/ISRptGrpText.h"
#include "varod9/ISRptGenerationClient.h"
#include "varod9/ISRptGrpMember.h"
#include "varod9/ISRptGrpTitle.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptListCell.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/ISRptUserGraphic.h"

namespace {

constexpr GUID kGrpTextProcs = MakeGUID("{E5E95603-B72F-11D1-8898-00A02455633B}");
constexpr GUID kFolderProcs = MakeGUID("{E5E955FF-B72F-11D1-8898-00A02455633B}");
constexpr GUID kGrpTitleProcs = MakeGUID("{E5E95604-B72F-11D1-8898-00A02455633B}");
constexpr GUID kListProcs = MakeGUID("{E5E95605-B72F-11D1-8898-00A02455633B}");
constexpr GUID kUserGraphicProcs = MakeGUID("{E5E95602-B72F-11D1-8898-00A02455633B}");

// The run's client, logging the template notifications it receives.
class SLoggingClient final : public STestRefCounted<ISRptGenerationClient> {
public:
    HRESULT OnGenerationStart() override { return S_OK; }
    HRESULT OnTemplateStart(int32_t nIndex) override {
        calls.push_back("start " + std::to_string(nIndex));
        return startResult;
    }
    HRESULT OnTemplateEnd(int32_t nIndex) override {
        calls.push_back("end " + std::to_string(nIndex));
        return S_OK;
    }
    HRESULT OnTemplateDone() override { return S_OK; }

    std::vector<std::string> calls;
    HRESULT startResult = S_OK;
};

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
    // The record of the first call a node makes to fresh procedures of a kind.
    template <class Node, class I>
    RPTPROCCONTEXT FirstRecord(SComWrap<I>& item, const GUID& procsIID) {
        SComWrap<SLoggingProcs> procs = Procs(procsIID);
        item->SetUserProcs(static_cast<ISRptProcs*>(procs.Get()));
        Node node(tree.get(), item.Get(), 0);
        node.Prepare(client.Get());
        item->SetUserProcs(nullptr);
        if (procs->records.empty()) {
            ADD_FAILURE() << "the module was not called";
            return RPTPROCCONTEXT();
        }
        return procs->records.front();
    }

    // The run's client; the custom kinds only pass it on.
    SComWrap<SLoggingClient> clientObject{new SLoggingClient};
    SComWrap<IUnknown> client{static_cast<ISRptGenerationClient*>(clientObject.Get())};
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
        EXPECT_EQ(record.GenerationClient, static_cast<ISRptGenerationClient*>(clientObject.Get()));
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
    SComWrap<ISRptItem> item = Build(CLSID_SRptText);
    SRptGenerationNodeText node(tree.get(), item.Get());
    EXPECT_EQ(node.GetOccurrence(), 0);
    EXPECT_EQ(node.Reselect(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_CLOSED);
    EXPECT_EQ(node.Enter(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_ENTERED);
    EXPECT_NE(node.GetOutputHelper(), nullptr);
    EXPECT_EQ(node.Prepare(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_ENTERED);
    EXPECT_EQ(node.Leave(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_CLOSED);
    item->Delete();
}

TEST_F(SRptGenerationNodeKindsTest, AClientWithoutTheClientInterfaceReachesTheModuleAsNull) {
    SComWrap<ISRptGrpText> item = Build<ISRptGrpText>(CLSID_SRptGrpText);
    SComWrap<SLoggingProcs> procs = Procs(kGrpTextProcs);
    item->SetUserProcs(static_cast<ISRptProcs*>(procs.Get()));
    SRptGenerationNodeGrpText node(tree.get(), item.Get(), 0);
    SComWrap<IUnknown> stranger(new STestUnknown);
    node.Reselect(stranger.Get());
    node.Leave(nullptr);
    ASSERT_EQ(procs->records.size(), 2u);
    EXPECT_EQ(procs->records[0].GenerationClient, nullptr);
    EXPECT_EQ(procs->records[1].GenerationClient, nullptr);
    item->SetUserProcs(nullptr);
}

TEST_F(SRptGenerationNodeKindsTest, GroupKindsHandTheirOwnWords) {
    SComWrap<ISRptGrpText> grpText = Build<ISRptGrpText>(CLSID_SRptGrpText);
    grpText->PutDisplayIfEmpty(true);
    RPTPROCCONTEXT record = FirstRecord<SRptGenerationNodeGrpText>(grpText, kGrpTextProcs);
    EXPECT_EQ(record.DisplayIfEmpty, 1);
    EXPECT_TRUE(record.EmptyText.IsEmpty());
    grpText->PutDisplayIfEmpty(false);
    EXPECT_EQ((FirstRecord<SRptGenerationNodeGrpText>(grpText, kGrpTextProcs).DisplayIfEmpty), 0);

    SComWrap<ISRptGrpTitle> title = Build<ISRptGrpTitle>(CLSID_SRptGrpTitle);
    title->PutUserOrder(true);
    EXPECT_EQ((FirstRecord<SRptGenerationNodeGrpTitle>(title, kGrpTitleProcs).UserOrder), 1);
    title->PutUserOrder(false);
    EXPECT_EQ((FirstRecord<SRptGenerationNodeGrpTitle>(title, kGrpTitleProcs).UserOrder), 0);
}

TEST_F(SRptGenerationNodeKindsTest, AFolderHandsItsWholeLevelLimit) {
    SComWrap<ISRptFolder> folder = Build<ISRptFolder>(CLSID_SRptFolder);
    // A new folder has no limit: -1.
    EXPECT_EQ((FirstRecord<SRptGenerationNodeFolder>(folder, kFolderProcs).NbMaxLevels), -1);
    // Above one byte the limit must not be cut to its low byte (0x45).
    folder->PutNbMaxLevels(0x12345);
    const RPTPROCCONTEXT record = FirstRecord<SRptGenerationNodeFolder>(folder, kFolderProcs);
    EXPECT_EQ(record.NbMaxLevels, 0x12345);
    EXPECT_TRUE(record.EmptyText.IsEmpty());
}

TEST_F(SRptGenerationNodeKindsTest, AListHandsItsSortedColumnsInCellOrderAndItsDisplayFlag) {
    SComWrap<ISRptList> list = Make<ISRptList>(CLSID_SRptList);
    SComWrap<ISRptTableRow> first = MakeIn<ISRptTableRow>(list.Get(), CLSID_SRptListRow, RPTTABLE_ROWS);
    SComWrap<ISRptTableRow> second = MakeIn<ISRptTableRow>(list.Get(), CLSID_SRptListRow, RPTTABLE_ROWS);
    const int32_t ids[] = {11, 22, 33, 44};
    const bool sorted[] = {false, true, false, true};
    for (int i = 0; i < 4; ++i) {
        SComWrap<ISRptListCell> cell = MakeIn<ISRptListCell>(first.Get(), CLSID_SRptListCell, RPTTABLEROW_CELLS);
        cell->PutCellID(ids[i]);
        cell->PutSorted(sorted[i]);
    }
    // A sorted cell of another row is no sort column.
    SComWrap<ISRptListCell> other = MakeIn<ISRptListCell>(second.Get(), CLSID_SRptListCell, RPTTABLEROW_CELLS);
    other->PutCellID(55);
    other->PutSorted(true);
    SComWrap<ISRptGrpMember> member;
    member = list;
    member->PutDisplayFlag(1);

    list->PutSorted(false);
    RPTPROCCONTEXT record = FirstRecord<SRptGenerationNodeList>(list, kListProcs);
    EXPECT_TRUE(record.SortColumns.empty());
    EXPECT_EQ(record.DisplayFlag, 1);

    list->PutSorted(true);
    record = FirstRecord<SRptGenerationNodeList>(list, kListProcs);
    EXPECT_EQ(record.SortColumns, (std::vector<int32_t>{22, 44}));
}

TEST_F(SRptGenerationNodeKindsTest, AUserGraphicHandsItsPlacement) {
    SComWrap<ISRptUserGraphic> graphic = Build<ISRptUserGraphic>(CLSID_SRptUserGraphic);
    graphic->PutUseZoom(true);
    graphic->PutOnePageType(3);
    graphic->PutZoomPerct(-5);
    const RPTPROCCONTEXT record = FirstRecord<SRptGenerationNodeUserGraphic>(graphic, kUserGraphicProcs);
    EXPECT_EQ(record.GraphicMarker1, 0x002D82D8);
    EXPECT_EQ(record.GraphicMarker2, 0x002D82D8);
    EXPECT_EQ(record.UseZoom, 1);
    EXPECT_EQ(record.OnePageType, 3);
    EXPECT_EQ(record.ZoomPerct, -5);
    EXPECT_EQ(record.GraphicWord2, 2);
    EXPECT_EQ(record.GraphicWord1, 1);
}

TEST_F(SRptGenerationNodeKindsTest, ATemplateNodeFramesItsTemplateForTheClient) {
    // The test report lists no templates, so its template is not found: the position is the
    // report's count, 0.
    report = Make<ISRptReport>(CLSID_SRptTestReport);
    SComWrap<ISRptTemplate> owned = MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTestTemplate, TESTREPORT_TEMPLATES);
    SRptGenerationNodeTemplate node(tree.get(), owned.Get());

    clientObject->startResult = static_cast<HRESULT>(0x80004005);
    // The client's answer to the start is the node's.
    EXPECT_EQ(node.Prepare(client.Get()), static_cast<HRESULT>(0x80004005));
    EXPECT_EQ(node.GetState(), RPTNODE_PREPARED);
    // Already prepared: no second start.
    node.Prepare(client.Get());
    EXPECT_EQ(node.Leave(client.Get()), S_OK);
    EXPECT_EQ(node.GetState(), RPTNODE_CLOSED);
    EXPECT_EQ(clientObject->calls, (std::vector<std::string>{"start 0", "end 0"}));

    // Without a client the states still move and nobody is told.
    SComWrap<IUnknown> stranger(new STestUnknown);
    EXPECT_EQ(node.Prepare(stranger.Get()), S_OK);
    EXPECT_EQ(node.Leave(nullptr), S_OK);
    EXPECT_EQ(clientObject->calls.size(), 2u);
}

}  // namespace
