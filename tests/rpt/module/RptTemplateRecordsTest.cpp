// Templates written to a file and read back through the exported functions, as a host does from
// one run to the next: what the records hold and refuse, the template documents of the templates
// folder that they are not, and a template read into another report finding its module again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/repo/ISLoadSaveManager.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepSession.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "rpt/module/SRptTemplateLoadSaveManager.h"
#include "support/STestModuleProcs.h"
#include "support/STestTempFolder.h"
#include "varod9/ISRptCustom.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptTableDef.h"

namespace {

class RptTemplateRecords : public SRptModuleTestFixture {
protected:
    void SetUp() override {
        SRptModuleTestFixture::SetUp();
        procs.Reset(new STestModuleProcs);
        client.Reset(new STestModuleClient);
        // The module offers a group title with a card as its member.
        client->onInit = [this](ISRptModule* module) {
            RPTUSRITEMDEF group = Describe("Sales", "ORDER", RPT_ITEMKIND_GRPTITLE, "Order");
            group.UserProcs = procs->AsUnknown();
            SComWrap<ISRptItem> registered;
            ASSERT_EQ(RptRegisterItem(module, &group, &registered), S_OK);
            // A card of no rows will do: what matters here is whose procedures it has.
            static const RPTTABLEROWDEF kNoRow{};
            RPTUSRITEMDEF card = Describe("Sales", "CARD", RPT_ITEMKIND_FORM, "Card");
            card.UserProcs = procs->AsUnknown();
            card.Table.Rows = &kNoRow;
            SComWrap<ISRptItem> member;
            ASSERT_EQ(RptRegisterSubItem(module, registered.Get(), &card, &member), S_OK);
        };
        module = Register("Sales", "Sales model", client.Get());
        NewReport(session, report);
        SComWrap<ISRptTemplate> only = TemplateOf(report.Get());
        SComWrap<ISRptAvailableItems> available;
        ASSERT_EQ(report->GetAvailableItemsOfModule("Sales", &available), S_OK);
        SComWrap<ISRptItem> items;
        items = available.Get();
        SComWrap<ISRptItem> group = Child(items.Get(), "ORDER");
        SComWrap<ISRptItem> root;
        root = only.Get();
        SComWrap<ISRptItem> placed;
        ASSERT_EQ(only->AddTemplateItem(group.Get(), root.Get(), -1, &placed), S_OK);
        only->PutName("Orders");
    }
    void TearDown() override {
        report.Clear();
        if (session) session->Close();
        session.Clear();
        module.Clear();
        SRptModuleTestFixture::TearDown();
        client.Clear();
        procs.Clear();
    }
    // A report of one template of the module, in a session of its own.
    static void NewReport(SComWrap<ISRepSession>& made, SComWrap<ISRptReport>& madeReport) {
        SComWrap<ISRepObject> object;
        ASSERT_EQ(RptCreateTemplate("Sales", "Orders", &made, &object), S_OK);
        madeReport = object.Get();
        ASSERT_TRUE(madeReport);
    }
    static SComWrap<ISRptTemplate> TemplateOf(ISRptReport* owner, int32_t position = 0) {
        SComWrap<ISRptTemplate> found;
        EXPECT_EQ(owner->GetTemplateAtPos(position, &found), S_OK);
        return found;
    }
    static SComWrap<ISRptItem> Child(ISRptItem* parent, const char* itemID) {
        SRepClassColPtr items = parent->Items();
        for (int32_t i = 0; items && i < items.GetCount(); ++i) {
            SComWrap<ISRptItem> item;
            item = static_cast<IUnknown*>(items.Item(i).Get());
            if (item && item->GetItemID() == itemID) return item;
        }
        ADD_FAILURE() << "no item " << itemID;
        return SComWrap<ISRptItem>();
    }
    // The procedures that the card of a template's group title holds, null when none.
    static SComWrap<IUnknown> CardProcs(ISRptTemplate* owner) {
        SComWrap<ISRptItem> root;
        root = owner;
        SComWrap<ISRptCustom> card;
        card = Child(Child(root.Get(), "ORDER").Get(), "CARD").Get();
        SComWrap<IUnknown> held;
        if (card) {
            EXPECT_EQ(card->GetUserProcs(&held), S_OK);
        }
        return held;
    }
    SComWrap<ISRepClassCol> TemplatesOf(ISRptReport* owner) {
        SComWrap<ISRepClassCol> templates;
        EXPECT_EQ(owner->GetTemplatesCollection(&templates), S_OK);
        return templates;
    }
    // The report as a template document of the templates folder, in the form of that type name.
    HRESULT SaveDocument(const SString& path, const char* typeName) {
        SComWrap<ISLoadSaveManager> manager;
        EXPECT_EQ(globals->GetRptShellModule()->GetLoadSaveManager(&manager), S_OK);
        SComWrap<ISRepObject> root;
        root = report.Get();
        return manager->Save(nullptr, path, root.Get(), typeName, nullptr);
    }

    SComWrap<STestModuleProcs> procs;
    SComWrap<STestModuleClient> client;
    SComWrap<ISRptModule> module;
    SComWrap<ISRepSession> session;
    SComWrap<ISRptReport> report;
    STestTempFolder folder;
};

}  // namespace

TEST_F(RptTemplateRecords, ATemplateReadIntoAnotherReportHasItsModulesProceduresAgain) {
    const SString path = folder.PathOf("orders.rpt");
    ASSERT_EQ(WriteTemplatesToFile(path, TemplatesOf(report.Get()).Get()), S_OK);

    // Another report, as another run of the host makes it, takes the file's template in place of
    // its own.
    SComWrap<ISRepSession> other;
    SComWrap<ISRptReport> otherReport;
    NewReport(other, otherReport);
    ASSERT_EQ(otherReport->DeleteTemplateAtPos(0), S_OK);
    ASSERT_EQ(ReadTemplatesFromFile(path, TemplatesOf(otherReport.Get()).Get(), other.Get()), S_OK);
    int32_t count = 0;
    ASSERT_EQ(otherReport->GetTemplatesCount(&count), S_OK);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(TemplateOf(otherReport.Get())->GetName(), "Orders");
    EXPECT_TRUE(CardProcs(TemplateOf(otherReport.Get()).Get()).IsEqualObject(procs->AsUnknown()));

    // A record keeps no procedures: a template read by itself stands in no report and has none.
    SComWrap<ISRptTemplate> alone;
    ASSERT_EQ(ReadTemplateFromFile(folder.PathOf("one.rpt"), &alone, other.Get()), static_cast<HRESULT>(0x80030002));
    ASSERT_EQ(WriteTemplateToFile(folder.PathOf("one.rpt"), TemplateOf(report.Get()).Get()), S_OK);
    ASSERT_EQ(ReadTemplateFromFile(folder.PathOf("one.rpt"), &alone, other.Get()), S_OK);
    ASSERT_TRUE(alone);
    EXPECT_EQ(alone->GetParentReport(), nullptr);
    EXPECT_FALSE(CardProcs(alone.Get()));
    ASSERT_EQ(otherReport->AddTemplate(alone.Get()), S_OK);
    EXPECT_TRUE(CardProcs(alone.Get()).IsEqualObject(procs->AsUnknown()));

    alone.Clear();
    otherReport.Clear();
    other->Close();
}

TEST_F(RptTemplateRecords, ATemplateOfAModuleNotRegisteredIsRefusedBeforeItIsRead) {
    const SString path = folder.PathOf("orders.rpt");
    ASSERT_EQ(WriteTemplatesToFile(path, TemplatesOf(report.Get()).Get()), S_OK);
    const SString one = folder.PathOf("one.rpt");
    ASSERT_EQ(WriteTemplateToFile(one, TemplateOf(report.Get()).Get()), S_OK);
    ASSERT_EQ(RptUnregisterModule(module.Get()), S_OK);

    SComWrap<ISRepSession> target;
    ASSERT_EQ(SRepSession::Create("target", &target), S_OK);
    SComWrap<ISRepClassCol> model;
    ASSERT_EQ(target->GetObjects(&model), S_OK);
    EXPECT_EQ(ReadTemplatesFromFile(path, model.Get(), target.Get()), S_FALSE);
    int32_t count = -1;
    ASSERT_EQ(model->GetCount(&count), S_OK);
    EXPECT_EQ(count, 0);
    SComWrap<ISRptTemplate> read;
    EXPECT_EQ(ReadTemplateFromFile(one, &read, target.Get()), S_FALSE);
    EXPECT_FALSE(read);
    model.Clear();
    target->Close();
}

TEST_F(RptTemplateRecords, ATemplateDocumentOrAnEmptyFileHoldsNoTemplateRecord) {
    SComWrap<ISRepSession> target;
    ASSERT_EQ(SRepSession::Create("target", &target), S_OK);
    SComWrap<ISRepClassCol> model;
    ASSERT_EQ(target->GetObjects(&model), S_OK);
    const SString xml = folder.PathOf("orders.rtp");
    const SString binary = folder.PathOf("orders-bin.rtp");
    const SString empty = folder.PathOf("empty.rpt");
    ASSERT_EQ(SaveDocument(xml, RPT_TEMPLATE_XML_TYPE), S_OK);
    ASSERT_EQ(SaveDocument(binary, RPT_TEMPLATE_BIN_TYPE), S_OK);
    STestTempFolder::WriteFile(empty, "");

    for (const SString& path : {xml, binary, empty}) {
        SComWrap<ISRptTemplate> read;
        EXPECT_EQ(ReadTemplateFromFile(path, &read, target.Get()), S_FALSE) << path.c_str();
        EXPECT_FALSE(read) << path.c_str();
    }
    // The collection readers take the first four bytes for a count: the documents' make no
    // record, the empty file no count.
    EXPECT_EQ(ReadTemplatesFromFile(xml, model.Get(), target.Get()), S_FALSE);
    EXPECT_EQ(ReadTemplatesFromFile(binary, model.Get(), target.Get()), S_FALSE);
    EXPECT_EQ(ReadTemplatesFromFile(empty, model.Get(), target.Get()), static_cast<HRESULT>(0x80030019));
    int32_t count = -1;
    ASSERT_EQ(model->GetCount(&count), S_OK);
    EXPECT_EQ(count, 0);
    model.Clear();
    target->Close();
}
