// A group title with a card (a form) under it, generated as RTF as a host module meets it: the
// calls the group title and the card get, first while the report is generated, then while it is
// laid out and then while its contents entries are brought up to date, and a module that keeps the
// element the group title's calls name showing each element's own card under its title.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rpt/devices/rtf/SRptRtfTestFixture.h"
#include "support/STestModuleProcs.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/RptItemDef.h"
#include "varod9/RptTableDef.h"

namespace {

using Log = std::vector<std::string>;

constexpr int32_t kTitles = 1;  // ItemParam of the group title
constexpr int32_t kCard = 2;    // ItemParam of the card
constexpr int32_t kValueCell = 7;

RPTTABLECELLDEF Cell(const char* text, int32_t id, bool keyword) {
    RPTTABLECELLDEF cell;
    cell.Size = RPTTABLECELLDEF_SIZE_FORM;
    cell.DefaultText = text;
    cell.CellID = id;
    cell.Width = 3000;
    cell.Keyword = keyword ? 1 : 0;
    cell.Enabled = 1;
    return cell;
}

}  // namespace

class SRptRtfGroupCards : public SRptRtfTest {
protected:
    void SetUp() override {
        SRptRtfTest::SetUp();
        procs.Reset(new STestModuleProcs);
        KeepTheElement();
        report->PutHasFirstPage(false);
        // The group title, and the card registered as its member: placing the group title in the
        // template brings the card along, under it.
        RPTUSRITEMDEF titles = Describe("ELEMENTS", RPT_ITEMKIND_GRPTITLE, kTitles);
        SComWrap<ISRptItem> group;
        ASSERT_EQ(RptRegisterItem(module.Get(), &titles, &group), S_OK);
        const RPTTABLECELLDEF cells[] = {Cell("Value", 0, false), Cell("", kValueCell, true)};
        RPTTABLEROWDEF row;
        row.Enabled = 1;
        row.NbCells = 2;
        row.Cells = cells;
        RPTUSRITEMDEF card = Describe("CARD", RPT_ITEMKIND_FORM, kCard);
        card.Table.NbRows = 1;
        card.Table.Rows = &row;
        SComWrap<ISRptItem> registered;
        ASSERT_EQ(RptRegisterSubItem(module.Get(), group.Get(), &card, &registered), S_OK);
        ASSERT_EQ(reportTemplate->AddTemplateItem(group.Get(), reportTemplate.Get(), -1, &placed), S_OK);
        ASSERT_EQ(ChildIds(placed.Get()), (std::vector<std::string>{"CARD"}));
    }
    void TearDown() override {
        placed.Clear();
        procs.Clear();
        SRptRtfTest::TearDown();
    }
    // The module: the group title has `elements` elements, each headed "Element <n>", and the
    // card shows "card of <n>". The module keeps the element that the group title's calls named
    // last: Fetch's RowCursor while the report is generated, Begin's and Process's Occurrence
    // while it is laid out.
    void KeepTheElement() {
        procs->begin = [this](RPTPROCCONTEXT& record) {
            if (record.ItemParam != kTitles) return 1;
            current = record.Occurrence;
            return elements;
        };
        procs->process = [this](RPTPROCCONTEXT& record) {
            if (record.ItemParam == kTitles) current = record.Occurrence;
            return 0;
        };
        procs->fetch = [this](RPTPROCCONTEXT& record) {
            if (record.RowCursor >= elements) return 0;
            if (record.ItemParam == kTitles) current = record.RowCursor;
            return 1;
        };
        procs->memberText = [this](RPTPROCCONTEXT& record) {
            record.Text2 = ("Element " + std::to_string(current)).c_str();
            return 1;
        };
        procs->getValue = [this](RPTPROCCONTEXT& record) {
            if (record.CellID == kValueCell) record.CellText = ("card of " + std::to_string(current)).c_str();
            return S_OK;
        };
    }
    // Each call as "<item> <operation> <R or -> @<Occurrence> #<RowCursor>", R when it came with
    // the report.
    Log Calls() const {
        Log calls;
        for (const STestModuleProcs::Call& call : procs->calls)
            calls.push_back(std::string(call.record.ItemParam == kTitles ? "G " : "F ") + call.operation +
                            (call.report ? " R" : " -") + " @" + std::to_string(call.record.Occurrence) + " #" +
                            std::to_string(call.record.RowCursor));
        return calls;
    }
    RPTUSRITEMDEF Describe(const char* itemID, int32_t kind, int32_t itemParam) {
        return procs->Describe("Sales", itemID, kind, itemParam);
    }
    std::string Generate() { return GenerateFile(folder.PathOf("cards.rtf")); }
    // The library's own item `itemId` placed at `position` of `parent`'s items (-1: last).
    SComWrap<ISRptItem> Place(const char* itemId, ISRptItem* parent, int32_t position) {
        SComWrap<ISRptAvailableItems> available;
        EXPECT_EQ(report->GetAvailableItemsOfModule("Sales", &available), S_OK);
        SComWrap<ISRptItem> container;
        container = available.Get();
        SRepClassColPtr items = container->Items();
        SComWrap<ISRptItem> added;
        for (int32_t i = 0; i < items.GetCount() && !added; ++i) {
            SComWrap<ISRptItem> registered;
            registered = static_cast<IUnknown*>(items.Item(i).Get());
            if (registered && registered->GetItemID() == itemId)
                EXPECT_EQ(reportTemplate->AddTemplateItem(registered.Get(), parent, position, &added), S_OK);
        }
        EXPECT_TRUE(added) << itemId;
        return added;
    }
    // The group title's calls without the report (while the report is laid out and its contents
    // brought up to date) in a new generation, without GetMemberText.
    Log GroupCallsAfterGeneration() {
        procs->calls.clear();
        Generate();
        Log calls;
        for (const std::string& call : Calls())
            if (call.rfind("G ", 0) == 0 && call.find(" - ") != std::string::npos &&
                call.find("membertext") == std::string::npos)
                calls.push_back(call);
        return calls;
    }

    SComWrap<STestModuleProcs> procs;
    SComWrap<ISRptItem> placed;  // the group title in the template
    int32_t elements = 0;
    int32_t current = 0;
};

TEST_F(SRptRtfGroupCards, EachElementsTitleIsFollowedByItsOwnCard) {
    elements = 3;
    const std::string written = Generate();
    size_t at = 0;
    for (const char* part :
         {"Element 0", "card of 0\\cell", "Element 1", "card of 1\\cell", "Element 2", "card of 2\\cell"}) {
        const size_t found = written.find(part, at);
        ASSERT_NE(found, std::string::npos) << part << " after " << at;
        at = found;
    }
    EXPECT_EQ(written.find("card of 3"), std::string::npos);
}

TEST_F(SRptRtfGroupCards, TheGroupTitlesCallsNameTheElementTheCardsNever) {
    elements = 2;
    Generate();
    // While the report is generated: the group's elements counted, then each fetched by RowCursor
    // and named, and followed by its card, which is made because its Begin answers exactly 1.
    const Log generated = {"G begin R @0 #0",      "G fetch R @0 #0", "G membertext R @0 #0", "F begin - @0 #0",
                           "F process R @0 #0",    "F end - @0 #0",   "G next R @0 #0",       "G fetch R @0 #1",
                           "G membertext R @0 #1", "F begin - @0 #0", "F process R @0 #0",    "F end - @0 #0",
                           "G next R @0 #0",       "G end R @0 #2"};
    // While it is laid out: each element's title positions the module by Occurrence (Begin and
    // Process for the first, Process for the others) before it is asked for its text; the card,
    // whose calls all carry Occurrence 0, follows it.
    const Log laidOut = {"G begin - @0 #0",   "G process - @0 #0",    "G membertext - @0 #0", "F begin - @0 #0",
                         "F process - @0 #0", "F process - @0 #0",    "F getvalue - @0 #0",   "F end - @0 #0",
                         "G process - @1 #0", "G membertext - @1 #0", "F begin - @0 #0",      "F process - @0 #0",
                         "F process - @0 #0", "F getvalue - @0 #0",   "F end - @0 #0",        "G end - @1 #0"};
    Log expected = generated;
    expected.insert(expected.end(), laidOut.begin(), laidOut.end());
    EXPECT_EQ(Calls(), expected);
}

TEST_F(SRptRtfGroupCards, TheContentsRefreshCallsTheGroupTitleAgainAfterTheLayout) {
    elements = 3;
    // The layout's calls, the same in every case: Begin and Process for the first element,
    // Process for the others.
    const Log laidOut = {"G begin - @0 #0", "G process - @0 #0", "G process - @1 #0", "G process - @2 #0"};
    const auto with = [&](const Log& refreshed) {
        Log all = laidOut;
        all.insert(all.end(), refreshed.begin(), refreshed.end());
        return all;
    };
    // The group title is the last item and the only contents entry: the refresh finds it where
    // the layout left it, Process comes for every element, and End once.
    placed->PutTOCEntry(true);
    EXPECT_EQ(GroupCallsAfterGeneration(),
              with({"G process - @0 #0", "G process - @1 #0", "G process - @2 #0", "G end - @2 #0"}));

    // Another entry before it, the group title still last (a list then the group title): the
    // layout's End first, then Process for each element but the first, then End again.
    const Log leftAndCameBack = {"G end - @2 #0", "G process - @1 #0", "G process - @2 #0", "G end - @2 #0"};
    SComWrap<ISRptItem> before = Place("TITLE", reportTemplate.Get(), 0);
    before->PutTOCEntry(true);
    EXPECT_EQ(GroupCallsAfterGeneration(), with(leftAndCameBack));

    // No entry before it, something after it: the same.
    before->PutTOCEntry(false);
    Place("TEXT", reportTemplate.Get(), -1);
    EXPECT_EQ(GroupCallsAfterGeneration(), with(leftAndCameBack));

    // Only an item under the group title enters the contents, something after it: the layout's
    // End, then Begin and Process for the last element, then End.
    placed->PutTOCEntry(false);
    Place("TITLE", placed.Get(), -1)->PutTOCEntry(true);
    EXPECT_EQ(GroupCallsAfterGeneration(),
              with({"G end - @2 #0", "G begin - @2 #0", "G process - @2 #0", "G end - @2 #0"}));
}
