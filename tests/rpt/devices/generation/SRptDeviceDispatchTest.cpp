// What the second pass of a generation makes of a report's items: the generation nodes of each
// kind in document order, the elements that a host module supplies for its groups, lists and
// forms, the one table of contents, page breaks asked for by paragraphs, and a run that ends
// early (an abort, a node that cannot be made) leaving no group walk behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "rpt/devices/generation/SRptDevice.h"
#include "rpt/devices/generation/SRptGenerationNodeFolder.h"
#include "rpt/devices/generation/SRptGenerationNodeForm.h"
#include "rpt/devices/generation/SRptGenerationNodeGraphicFile.h"
#include "rpt/devices/generation/SRptGenerationNodeGrpText.h"
#include "rpt/devices/generation/SRptGenerationNodeGrpTitle.h"
#include "rpt/devices/generation/SRptGenerationNodeList.h"
#include "rpt/devices/generation/SRptGenerationNodePageBreak.h"
#include "rpt/devices/generation/SRptGenerationNodeTblCts.h"
#include "rpt/devices/generation/SRptGenerationNodeTemplate.h"
#include "rpt/devices/generation/SRptGenerationNodeText.h"
#include "rpt/devices/generation/SRptGenerationNodeTextFile.h"
#include "rpt/devices/generation/SRptGenerationNodeTitle.h"
#include "rpt/devices/generation/SRptGenerationNodeUserGraphic.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "rpt/objs/reports/SRptTemplateMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptListCellMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/SRptListRowMem.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptCustom.h"
#include "varod9/ISRptGroup.h"
#include "varod9/ISRptGrpText.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptListCell.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/ISRptTblCts.h"

namespace {

using Log = std::vector<std::string>;

// The procedures' interfaces of the kinds a module registers.
const GUID kProcsIIDs[] = {
    MakeGUID("{E5E955FE-B72F-11D1-8898-00A02455633B}"),  // any custom item
    MakeGUID("{E5E955FF-B72F-11D1-8898-00A02455633B}"),  // folder
    MakeGUID("{E5E95600-B72F-11D1-8898-00A02455633B}"),  // form
    MakeGUID("{E5E95603-B72F-11D1-8898-00A02455633B}"),  // group text
    MakeGUID("{E5E95604-B72F-11D1-8898-00A02455633B}"),  // group title
    MakeGUID("{E5E95605-B72F-11D1-8898-00A02455633B}"),  // list
};

// A host module: `elements` from Begin, an element for every Fetch below it, and a user word that
// starts at 100 and grows by one with every element fetched. Each call is logged with the record
// and the report it was given.
class SFakeModule final : public STestRefCounted<ISRptProcs> {
public:
    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (!out) return E_POINTER;
        if (std::find(std::begin(kProcsIIDs), std::end(kProcsIIDs), riid) == std::end(kProcsIIDs))
            return STestRefCounted<ISRptProcs>::QueryInterface(riid, out);
        *out = static_cast<ISRptProcs*>(this);
        AddRef();
        return S_OK;
    }
    HRESULT Reserved1(ISRptReport* r, RPTPROCCONTEXT* c) override { return Call("reserved1", r, c); }
    HRESULT Reserved2(ISRptReport* r, RPTPROCCONTEXT* c) override { return Call("reserved2", r, c); }
    HRESULT Reserved3(ISRptReport* r, RPTPROCCONTEXT* c) override { return Call("reserved3", r, c); }
    HRESULT Begin(ISRptReport* r, RPTPROCCONTEXT* c) override {
        Call("begin", r, c);
        c->UserParam = 100;
        return elements;
    }
    HRESULT End(ISRptReport* r, RPTPROCCONTEXT* c) override { return Call("end", r, c); }
    HRESULT Next(ISRptReport* r, RPTPROCCONTEXT* c) override { return Call("next", r, c); }
    HRESULT Process(ISRptReport* r, RPTPROCCONTEXT* c) override { return Call("process", r, c); }
    HRESULT Fetch(ISRptReport* r, RPTPROCCONTEXT* c) override {
        Call("fetch", r, c);
        if (c->RowCursor >= available) return 0;
        ++c->UserParam;
        return 1;
    }
    HRESULT GetValue(ISRptReport* r, RPTPROCCONTEXT* c) override { return Call("value", r, c); }
    HRESULT GetMemberText(ISRptReport* r, RPTPROCCONTEXT* c) override {
        Call("member", r, c);
        c->Text2 = ("element " + std::to_string(c->RowCursor)).c_str();
        return S_OK;
    }

    // The records given to one operation, in order.
    std::vector<RPTPROCCONTEXT> RecordsOf(const std::string& call) const {
        std::vector<RPTPROCCONTEXT> found;
        for (size_t i = 0; i < calls.size(); ++i)
            if (calls[i] == call) found.push_back(records[i]);
        return found;
    }

    int32_t elements = 0;
    int32_t available = INT32_MAX;
    Log calls;
    std::vector<RPTPROCCONTEXT> records;
    std::vector<ISRptReport*> reports;

private:
    HRESULT Call(const char* name, ISRptReport* report, RPTPROCCONTEXT* record) {
        calls.push_back(name);
        records.push_back(*record);
        reports.push_back(report);
        return S_OK;
    }
};

class SClient final : public STestRefCounted<ISRptGenerationClient> {
public:
    HRESULT OnGenerationStart() override { return startResult; }
    HRESULT OnTemplateStart(int32_t) override { return S_OK; }
    HRESULT OnTemplateEnd(int32_t) override { return S_OK; }
    HRESULT OnTemplateDone() override { return S_OK; }
    HRESULT startResult = S_OK;
};

std::string KindOf(SRptGenerationNode* node) {
    if (dynamic_cast<SRptGenerationNodeTemplate*>(node)) return "template";
    if (dynamic_cast<SRptGenerationNodeTitle*>(node)) return "title";
    if (dynamic_cast<SRptGenerationNodeText*>(node)) return "text";
    if (dynamic_cast<SRptGenerationNodePageBreak*>(node)) return "pagebreak";
    if (dynamic_cast<SRptGenerationNodeTextFile*>(node)) return "textfile";
    if (dynamic_cast<SRptGenerationNodeGraphicFile*>(node)) return "graphicfile";
    if (dynamic_cast<SRptGenerationNodeTblCts*>(node)) return "tblcts";
    if (dynamic_cast<SRptGenerationNodeGrpText*>(node)) return "grptext";
    if (dynamic_cast<SRptGenerationNodeGrpTitle*>(node)) return "grptitle";
    if (dynamic_cast<SRptGenerationNodeFolder*>(node)) return "folder";
    if (dynamic_cast<SRptGenerationNodeList*>(node)) return "list";
    if (dynamic_cast<SRptGenerationNodeForm*>(node)) return "form";
    if (dynamic_cast<SRptGenerationNodeUserGraphic*>(node)) return "usergraphic";
    return "?";
}

// "kind label L<level> #<serial>", then "@<occurrence>" for the kinds a module supplies and the
// number text of a contents entry in quotes.
std::string Describe(SRptGenerationNode* node) {
    SComWrap<ISRptItem> item;
    item.Assign(node->GetItem());
    const std::string kind = KindOf(node);
    std::string text = kind + " " + (item ? item->GetLabel().str() : std::string("-")) + " L" +
                       std::to_string(node->GetLevel()) + " #" + std::to_string(node->GetSerial());
    if (kind == "grptext" || kind == "grptitle" || kind == "folder") text += " @" + std::to_string(node->GetOccurrence());
    if (!node->GetIndexTable().IsEmpty()) text += " '" + node->GetNumberText().str() + "'";
    return text;
}

// A device that hands every object of the second pass to the dispatcher and, before its tree
// goes, writes the tree down.
class SDispatchDevice final : public SRptDevice {
public:
    SDispatchDevice(ISRptReport* report, ISRptGenerationClient* client) : SRptDevice(report, client) {}

    Log visits;                  // the label of every object the second pass gave, in order
    Log nodes;                   // the tree at the end of the run
    int32_t maxContentsLevel = 0;
    bool ended = false;
    std::string abortAt;         // the object whose visit number `abortVisit` answers E_ABORT
    int32_t abortVisit = 1;
    std::optional<SRptNodeKind> failKind;  // its nodes cannot be allocated ...
    bool failByThrowing = false;          // ... by a null node, or by std::bad_alloc

    using SRptDevice::DispatchItem;
    using SRptDevice::OnGrpTitleMember;
    using SRptDevice::OnHeaderFooter;
    using SRptDevice::OnPageBreak;
    using SRptDevice::OnTemplate;
    using SRptDevice::OnText;
    HRESULT StartTree() { return BeginGeneration(); }

protected:
    HRESULT BeginGeneration() override { return SRptDevice::BeginGeneration(); }
    HRESULT InitGeneration() override { return S_OK; }
    HRESULT BeginSecondPass() override { return S_OK; }
    HRESULT ScanObject(ISRptItem*, RPTSCANINFO* info) override {
        info->action = RPTSCAN_DESCEND;
        return S_OK;
    }
    HRESULT GenerateObject(ISRptItem* item, RPTSCANINFO* info) override {
        const std::string label = item->GetLabel().str();
        visits.push_back(label);
        if (label == abortAt && std::count(visits.begin(), visits.end(), label) == abortVisit) return E_ABORT;
        return DispatchItem(item, info);
    }
    HRESULT BeginTemplateScan(int32_t, ISRptTemplate*) override { return S_OK; }
    HRESULT EndTemplateScan(int32_t, ISRptTemplate*) override { return S_OK; }
    HRESULT BeginTemplateGeneration(int32_t, ISRptTemplate*) override { return S_OK; }
    HRESULT EndTemplateGeneration(int32_t, ISRptTemplate*) override { return S_OK; }
    HRESULT EndFirstPass() override { return S_OK; }
    // Writes nothing: the tree stays as the second pass made it, and the module is not asked
    // for the texts of the nodes.
    HRESULT FinishGeneration() override { return S_OK; }
    HRESULT EndGeneration() override {
        ended = true;
        if (SRptGenerationTree* tree = GetGenerationTree()) {
            nodes.clear();
            for (SRptGenerationNode* node = SRptGenerationTree::GetNextInTreeOrder(tree->GetRoot()); node;
                 node = SRptGenerationTree::GetNextInTreeOrder(node))
                nodes.push_back(Describe(node));
            maxContentsLevel = tree->GetMaxContentsLevel();
        }
        return SRptDevice::EndGeneration();
    }
    HRESULT FormatFieldText(int32_t, SString*) override { return S_FALSE; }
    int32_t GetDeviceKind() override { return RPTDEVICE_RTF; }
    std::unique_ptr<SRptGenerationNode> NewNode(SRptNodeKind kind, IUnknown* item, int32_t occurrence) override {
        if (failKind != kind) return SRptDevice::NewNode(kind, item, occurrence);
        if (failByThrowing) throw std::bad_alloc();
        return nullptr;
    }
};

class SRptDeviceDispatchTest : public SRptItemKindTestFixture {
protected:
    void TearDown() override {
        if (device) device->Release();
        device = nullptr;
        items.clear();
        templates.clear();
        client.Clear();
        module.Clear();
        SRptItemKindTestFixture::TearDown();
    }

    ISRptTemplate* AddTemplate(const char* label) {
        if (!report) report = Make<ISRptReport>(CLSID_SRptReport);
        templates.push_back(MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTemplate, RPTREPORT_TEMPLATES));
        templates.back()->PutLabel(label);
        return templates.back().Get();
    }
    // An item built from its description, the module's procedures handed in with it.
    template <class I = ISRptItem>
    SComWrap<I> Add(ISRepObject* parent, const GUID& clsid, const char* label) {
        SComWrap<I> item = MakeIn<I>(parent, clsid);
        RPTUSRITEMDEF def = Describe(label);
        def.UserProcs = static_cast<ISRptProcs*>(module.Get());
        // Lists and forms are described with their rows; these have none.
        static const RPTTABLEROWDEF kNoRow{};
        def.Table.Rows = &kNoRow;
        EXPECT_EQ(item->ConstructWithItemDef(&def), S_OK);
        item->PutLabel(label);
        SComWrap<ISRptItem> kept;
        kept = item;
        items.push_back(kept);
        return item;
    }
    HRESULT Run() {
        if (device) device->Release();
        device = new SDispatchDevice(report.Get(), client.Get());
        return device->Generate();
    }
    int32_t VisitsOf(const char* label) const {
        return static_cast<int32_t>(std::count(device->visits.begin(), device->visits.end(), label));
    }
    static std::string StateOf(ISRptGroup* group) {
        return std::to_string(group->GetValid()) + "/" + std::to_string(group->GetNbItems()) + "/" +
               std::to_string(group->GetItemIndex()) + "/" + std::to_string(group->GetUserParam());
    }

    SComWrap<SFakeModule> module{new SFakeModule};
    SComWrap<SClient> client{new SClient};
    std::vector<SComWrap<ISRptTemplate>> templates;
    std::vector<SComWrap<ISRptItem>> items;
    SDispatchDevice* device = nullptr;
};

TEST_F(SRptDeviceDispatchTest, TwoTemplatesGiveTheirNodesInDocumentOrderNumberedAcrossTemplates) {
    ISRptTemplate* first = AddTemplate("T0");
    Add(first, CLSID_SRptTitle, "A")->PutTOCEntry(true);
    Add(first, CLSID_SRptText, "x");
    ISRptTemplate* second = AddTemplate("T1");
    Add(second, CLSID_SRptTitle, "B")->PutTOCEntry(true);
    SComWrap<ISRptGrpText> grpText = Add<ISRptGrpText>(second, CLSID_SRptGrpText, "g");
    grpText->PutItemParam(42);
    grpText->PutDisplayIfEmpty(true);
    module->elements = 2;

    ASSERT_EQ(Run(), S_OK);
    const Log expected = {"template T0 L1 #1", "title A L2 #2 '1 '", "text x L2 #3",
                          "template T1 L1 #4", "title B L2 #5 '2 '", "grptext g L2 #6 @0",
                          "grptext g L2 #7 @1"};
    EXPECT_EQ(device->nodes, expected);

    // One node per element, the module walked through them with the report being generated.
    EXPECT_EQ(module->calls, (Log{"begin", "fetch", "next", "fetch", "next", "end"}));
    for (ISRptReport* given : module->reports) EXPECT_EQ(given, report.Get());
    const RPTPROCCONTEXT begin = module->RecordsOf("begin").at(0);
    EXPECT_EQ(begin.GenerationClient, static_cast<ISRptGenerationClient*>(client.Get()));
    EXPECT_EQ(begin.ItemParam, 42);
    EXPECT_EQ(begin.DisplayIfEmpty, 1);
    EXPECT_EQ(begin.RowCursor, 0);
    const std::vector<RPTPROCCONTEXT> fetches = module->RecordsOf("fetch");
    EXPECT_EQ(fetches.at(0).RowCursor, 0);
    EXPECT_EQ(fetches.at(1).RowCursor, 1);
}

TEST_F(SRptDeviceDispatchTest, AGroupTitleGivesAMemberNodeBeforeItsChildrenForEveryElement) {
    ISRptTemplate* only = AddTemplate("T0");
    SComWrap<ISRptGroup> group = Add<ISRptGroup>(only, CLSID_SRptGrpTitle, "G");
    Add(group.Get(), CLSID_SRptText, "c");
    module->elements = 3;

    ASSERT_EQ(Run(), S_OK);
    const Log expected = {"template T0 L1 #1", "grptitle G L2 #2 @0", "text c L3 #3", "grptitle G L2 #4 @1",
                          "text c L3 #5",      "grptitle G L2 #6 @2", "text c L3 #7"};
    EXPECT_EQ(device->nodes, expected);
    EXPECT_EQ(VisitsOf("G"), 4);
    EXPECT_EQ(module->calls, (Log{"begin", "fetch", "member", "next", "fetch", "member", "next", "fetch", "member",
                                  "next", "end"}));
    // Each member is asked for with the group's displayed title and the element's index.
    const std::vector<RPTPROCCONTEXT> members = module->RecordsOf("member");
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(members.at(i).Text1, group->GetDispTitle());
        EXPECT_EQ(members.at(i).RowCursor, i);
    }
    // The module's word is carried from each call to the next visit's.
    const std::vector<RPTPROCCONTEXT> nexts = module->RecordsOf("next");
    EXPECT_EQ(nexts.at(0).UserParam, 101);
    EXPECT_EQ(nexts.at(1).UserParam, 102);
    EXPECT_EQ(nexts.at(2).UserParam, 103);
    EXPECT_EQ(StateOf(group.Get()), "0/0/0/0");

    // Without elements: no member, the module closed, the children never visited.
    module->calls.clear();
    module->elements = 0;
    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(device->nodes, (Log{"template T0 L1 #1"}));
    EXPECT_EQ(module->calls, (Log{"begin", "end"}));
    EXPECT_EQ(VisitsOf("G"), 1);
    EXPECT_EQ(VisitsOf("c"), 0);
}

TEST_F(SRptDeviceDispatchTest, AFolderWalksItsMembersLikeAGroupTitle) {
    ISRptTemplate* only = AddTemplate("T0");
    SComWrap<ISRptItem> folder = Add(only, CLSID_SRptFolder, "F");
    Add(folder.Get(), CLSID_SRptText, "c");
    module->elements = 2;
    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(device->nodes,
              (Log{"template T0 L1 #1", "folder F L2 #2 @0", "text c L3 #3", "folder F L2 #4 @1", "text c L3 #5"}));
    EXPECT_EQ(VisitsOf("F"), 3);
}

TEST_F(SRptDeviceDispatchTest, AnAbortedRunStopsAtOnceAndLeavesNoGroupWalkBehind) {
    ISRptTemplate* only = AddTemplate("T0");
    SComWrap<ISRptGroup> group = Add<ISRptGroup>(only, CLSID_SRptGrpTitle, "G");
    Add(group.Get(), CLSID_SRptText, "c");
    module->elements = 3;

    // Interrupted while the group's second element is being generated.
    device = new SDispatchDevice(report.Get(), client.Get());
    device->abortAt = "c";
    device->abortVisit = 2;
    EXPECT_EQ(device->Generate(), E_ABORT);
    EXPECT_EQ(device->visits, (Log{"T0", "G", "c", "G", "c"}));
    EXPECT_FALSE(device->ended);
    EXPECT_EQ(StateOf(group.Get()), "0/0/0/0");

    // The next run, refused by the client at its start, finds nothing left either.
    client->startResult = E_ABORT;
    EXPECT_EQ(Run(), E_ABORT);
    EXPECT_TRUE(device->visits.empty());
    EXPECT_EQ(StateOf(group.Get()), "0/0/0/0");

    // And a full run starts the group at its first element.
    client->startResult = S_OK;
    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(device->nodes.at(1), "grptitle G L2 #2 @0");
    EXPECT_EQ(VisitsOf("G"), 4);
}

TEST_F(SRptDeviceDispatchTest, OnlyTheFirstTableOfContentsOfAPassMakesANode) {
    ISRptTemplate* first = AddTemplate("T0");
    Add<ISRptTblCts>(first, CLSID_SRptTblCts, "C1")->PutNbParagraphs(3);
    Add<ISRptTblCts>(first, CLSID_SRptTblCts, "C2")->PutNbParagraphs(5);
    ISRptTemplate* second = AddTemplate("T1");
    Add<ISRptTblCts>(second, CLSID_SRptTblCts, "C3")->PutNbParagraphs(7);
    Add(second, CLSID_SRptText, "x");

    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(device->nodes, (Log{"template T0 L1 #1", "tblcts C1 L2 #2", "template T1 L1 #3", "text x L2 #4"}));
    // The contents show as many levels as the one generated asks for.
    EXPECT_EQ(device->maxContentsLevel, 3);
    EXPECT_EQ(VisitsOf("C2"), 1);
}

TEST_F(SRptDeviceDispatchTest, AnEmptyTemplateAddsNoNode) {
    AddTemplate("T0");
    Add(AddTemplate("T1"), CLSID_SRptText, "x");
    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(device->nodes, (Log{"template T1 L1 #1", "text x L2 #2"}));
}

TEST_F(SRptDeviceDispatchTest, ATemplateNodeWhoseTemplateIsNotInItsReportTakesTheCount) {
    // The test report lists none of its templates: the count is 0.
    report = Make<ISRptReport>(CLSID_SRptTestReport);
    SComWrap<ISRptTemplate> orphan = MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTestTemplate, TESTREPORT_TEMPLATES);
    MakeIn(orphan.Get(), CLSID_SRptText);
    device = new SDispatchDevice(report.Get(), client.Get());
    ASSERT_EQ(device->StartTree(), S_OK);
    RPTSCANINFO info;
    ASSERT_EQ(device->OnTemplate(orphan.Get(), &info), S_OK);
    EXPECT_EQ(info.action, RPTSCAN_DESCEND);
    SRptGenerationNode* root = device->GetGenerationTree()->GetRoot();
    ASSERT_EQ(root->GetChildCount(), 1);
    auto* node = dynamic_cast<SRptGenerationNodeTemplate*>(root->GetChild(0));
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->GetTemplatePosition(), 0);
}

TEST_F(SRptDeviceDispatchTest, AListIsMadeOnlyWhenTheModuleHasRowsAndIsClosedEitherWay) {
    ISRptTemplate* only = AddTemplate("T0");
    SComWrap<ISRptCustom> list = Add<ISRptCustom>(only, CLSID_SRptList, "L");
    list->PutItemParam(9);

    module->elements = 0;
    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(device->nodes, (Log{"template T0 L1 #1"}));
    EXPECT_EQ(module->calls, (Log{"begin", "end"}));
    // The list's rows are counted for the report; it is closed without one.
    EXPECT_EQ(module->reports, (std::vector<ISRptReport*>{report.Get(), nullptr}));

    module->calls.clear();
    module->records.clear();
    module->elements = 2;
    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(device->nodes, (Log{"template T0 L1 #1", "list L L2 #2"}));
    EXPECT_EQ(module->calls, (Log{"begin", "process", "end"}));
    const RPTPROCCONTEXT process = module->RecordsOf("process").at(0);
    EXPECT_EQ(process.Text1, list->GetDispTitle());
    EXPECT_EQ(process.ItemParam, 9);
}

TEST_F(SRptDeviceDispatchTest, AFormIsMadeOnlyWhenTheModuleHasExactlyOneElement) {
    Add(AddTemplate("T0"), CLSID_SRptForm, "F");
    for (int32_t elements : {0, 2, 1}) {
        module->calls.clear();
        module->reports.clear();
        module->elements = elements;
        ASSERT_EQ(Run(), S_OK);
        if (elements == 1) {
            EXPECT_EQ(device->nodes, (Log{"template T0 L1 #1", "form F L2 #2"}));
            EXPECT_EQ(module->calls, (Log{"begin", "process", "end"}));
            EXPECT_EQ(module->reports, (std::vector<ISRptReport*>{nullptr, report.Get(), nullptr}));
        } else {
            EXPECT_EQ(device->nodes, (Log{"template T0 L1 #1"})) << elements;
            EXPECT_EQ(module->calls, (Log{"begin", "end"})) << elements;
        }
    }
}

TEST_F(SRptDeviceDispatchTest, ASortedListPassesTheSortedCellsOfItsFirstRowInCellOrder) {
    ISRptTemplate* only = AddTemplate("T0");
    SComWrap<ISRptList> list = Add<ISRptList>(only, CLSID_SRptList, "L");
    SComWrap<ISRptTableRow> row = MakeIn<ISRptTableRow>(list.Get(), CLSID_SRptListRow, RPTTABLE_ROWS);
    for (const auto& [id, sorted] : {std::pair{7, true}, std::pair{5, false}, std::pair{3, true}}) {
        SComWrap<ISRptListCell> cell = MakeIn<ISRptListCell>(row.Get(), CLSID_SRptListCell, RPTTABLEROW_CELLS);
        cell->PutCellID(id);
        cell->PutSorted(sorted);
    }
    list->PutSorted(true);
    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(module->RecordsOf("begin").at(0).SortColumns, (std::vector<int32_t>{7, 3}));

    module->calls.clear();
    module->records.clear();
    list->PutSorted(false);
    ASSERT_EQ(Run(), S_OK);
    EXPECT_TRUE(module->RecordsOf("begin").at(0).SortColumns.empty());
}

TEST_F(SRptDeviceDispatchTest, AParagraphsPageBreakBeforeComesBeforeItsItemAtItsLevel) {
    ISRptTemplate* only = AddTemplate("T0");
    Add(only, CLSID_SRptText, "a");
    SComWrap<ISRptItem> broken = Add(only, CLSID_SRptText, "b");
    SComWrap<ISRptPara> para;
    ASSERT_EQ(broken->GetParaAtPos(0, &para), S_OK);
    ASSERT_TRUE(para);
    para->PutFlow(static_cast<int16_t>(para->GetFlow() | 4));
    ASSERT_EQ(Run(), S_OK);
    EXPECT_EQ(device->nodes, (Log{"template T0 L1 #1", "text a L2 #2", "pagebreak - L2 #3", "text b L2 #4"}));
}

TEST_F(SRptDeviceDispatchTest, ANodeThatCannotBeAllocatedEndsTheRunWithOutOfMemory) {
    ISRptTemplate* only = AddTemplate("T0");
    Add(only, CLSID_SRptTitle, "A");
    SComWrap<ISRptGroup> group = Add<ISRptGroup>(only, CLSID_SRptGrpTitle, "G");
    Add(group.Get(), CLSID_SRptText, "c");
    module->elements = 3;

    for (bool throwing : {false, true}) {
        if (device) device->Release();
        device = new SDispatchDevice(report.Get(), client.Get());
        device->failKind = SRptNodeKind::Title;
        device->failByThrowing = throwing;
        EXPECT_EQ(device->Generate(), E_OUTOFMEMORY) << throwing;
        EXPECT_EQ(device->visits, (Log{"T0", "A"}));
        EXPECT_FALSE(device->ended);
    }

    // A member that cannot be made closes the module's walk and leaves the group as it was.
    device->Release();
    device = new SDispatchDevice(report.Get(), client.Get());
    device->failKind = SRptNodeKind::GrpTitle;
    EXPECT_EQ(device->Generate(), E_OUTOFMEMORY);
    EXPECT_EQ(module->calls, (Log{"begin", "fetch", "member", "end"}));
    EXPECT_EQ(StateOf(group.Get()), "0/0/0/0");
    EXPECT_EQ(VisitsOf("c"), 0);
}

TEST_F(SRptDeviceDispatchTest, TheDispatcherAndTheOperationsRefuseWhatTheyCannotUse) {
    ISRptTemplate* only = AddTemplate("T0");
    device = new SDispatchDevice(report.Get(), client.Get());
    ASSERT_EQ(device->StartTree(), S_OK);
    RPTSCANINFO info;
    EXPECT_EQ(device->DispatchItem(nullptr, &info), S_FALSE);  // the walk stops
    EXPECT_EQ(device->OnText(nullptr, &info), E_INVALIDARG);
    EXPECT_EQ(device->OnTemplate(nullptr, &info), E_INVALIDARG);
    EXPECT_EQ(device->OnGrpTitleMember(nullptr, &info, nullptr), E_INVALIDARG);
    EXPECT_EQ(device->OnHeaderFooter(nullptr, &info), E_INVALIDARG);
    EXPECT_EQ(device->OnHeaderFooter(only, &info), S_OK);

    // An item of no generated kind makes no node; what it holds is still walked.
    SComWrap<ISRptItem> other = Item("other", true);
    info.action = RPTSCAN_STOP;
    EXPECT_EQ(device->DispatchItem(other.Get(), &info), S_OK);
    EXPECT_EQ(info.action, RPTSCAN_DESCEND);
    // A page break of its own, without an item, is a node.
    EXPECT_EQ(device->OnPageBreak(nullptr, &info), S_OK);
    EXPECT_EQ(device->GetGenerationTree()->GetNodeCount(), 1u);
}

}  // namespace
