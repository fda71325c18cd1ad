// A group title with a card (a form) under it, generated as RTF as a host module meets it: the
// calls the group title and the card get, first while the report is generated and then while it
// is laid out, and a module that keeps the element the group title's calls name showing each
// element's own card under its title.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rpt/devices/rtf/SRptRtfTestFixture.h"
#include "support/STestModuleProcs.h"
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
        SComWrap<ISRptItem> placed;
        ASSERT_EQ(reportTemplate->AddTemplateItem(group.Get(), reportTemplate.Get(), -1, &placed), S_OK);
        ASSERT_EQ(ChildIds(placed.Get()), (std::vector<std::string>{"CARD"}));
    }
    void TearDown() override {
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

    SComWrap<STestModuleProcs> procs;
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
