#include <gtest/gtest.h>

#include <vector>

#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "support/SRptItemTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptTemplate.h"

namespace {

constexpr uint32_t kTitleID = 3001;

class SRptCustom : public SRptItemTestFixture {
protected:
    void SetUp() override {
        SRptItemTestFixture::SetUp();
        module.AddString(kTitleID, "Orders\nof the model");
        procs = SComWrap<STestUserProcs>(new STestUserProcs);
    }
    void TearDown() override {
        report.Clear();
        SRptItemTestFixture::TearDown();
        EXPECT_EQ(procs->RefCount(), 1) << "the module's procedures are still held";
    }
    RPTUSRITEMDEF Describe() {
        RPTUSRITEMDEF def;
        def.Kind = RPT_ITEMKIND_GRPTEXT;
        def.ItemID = "ORDERS";
        def.ModuleID = "MODEL";
        def.Label = "Orders";
        def.ResInstance = &module;
        def.TitleResID = kTitleID;
        def.DefaultTitle = "Default orders";
        def.ResPath = "\\Titles\\Orders";
        def.ItemParam = 42;
        def.UserProcs = procs.Get();
        return def;
    }
    SComWrap<ISRptCustom> Custom(const RPTUSRITEMDEF& def) {
        SComWrap<ISRptCustom> custom = Make<ISRptCustom>(CLSID_SRptTestCustom);
        EXPECT_EQ(custom->ConstructWithItemDef(&def), S_OK);
        return custom;
    }
    // A custom item inside a template of a report that knows the title of `path`.
    SComWrap<ISRptCustom> InReport(const RPTUSRITEMDEF& def, const char* path, const char* title) {
        report = Make<ISRptReport>(CLSID_SRptTestReport);
        dynamic_cast<SRptTestReportImpl*>(Mem(report.Get()))->titles[path] = title;
        SComWrap<ISRptTemplate> reportTemplate =
            MakeIn<ISRptTemplate>(report.Get(), CLSID_SRptTestTemplate, TESTREPORT_TEMPLATES);
        SComWrap<ISRptCustom> custom = MakeIn<ISRptCustom>(reportTemplate.Get(), CLSID_SRptTestCustom);
        EXPECT_EQ(custom->ConstructWithItemDef(&def), S_OK);
        reportTemplate->SetInTemplateRecursive(true);
        return custom;
    }
    int32_t TitleRequests() { return dynamic_cast<SRptTestReportImpl*>(Mem(report.Get()))->titleRequests; }

    SModuleState module{MakeGUID("{C17EFB22-2D7D-42EC-B8DA-3F583E897215}")};
    SComWrap<STestUserProcs> procs;
    SComWrap<ISRptReport> report;
};

}  // namespace

TEST_F(SRptCustom, ADescriptionGivesTitlesProceduresResourcesAndATitleParagraph) {
    SComWrap<ISRptGroup> group = Make<ISRptGroup>(CLSID_SRptTestCustom);
    RPTUSRITEMDEF def = Describe();
    def.ParentGroup = group.Get();
    SComWrap<ISRptCustom> custom = Custom(def);
    EXPECT_EQ(custom->GetItemID(), "ORDERS");
    EXPECT_EQ(custom->GetTitleResID(), 3001);
    EXPECT_EQ(custom->GetDefaultTitle(), "Default orders");
    EXPECT_EQ(custom->GetTitleFromRes(), "Orders\nof the model");
    EXPECT_EQ(custom->GetTitle(), "Orders\nof the model");
    EXPECT_EQ(custom->GetResPath(), "\\Titles\\Orders");
    EXPECT_EQ(custom->GetItemParam(), 42);
    EXPECT_EQ(custom->GetResInstance(), &module);
    SComWrap<IUnknown> held;
    ASSERT_EQ(custom->GetUserProcs(&held), S_OK);
    EXPECT_EQ(held.Get(), static_cast<IUnknown*>(procs.Get()));
    EXPECT_EQ(procs->RefCount(), 3);  // ours, the item's, and the one just handed out
    held.Clear();
    SComWrap<ISRptGroup> parentGroup;
    custom->GetParentGroup(&parentGroup);
    EXPECT_TRUE(Same(parentGroup.Get(), group.Get()));

    int32_t count = 0;
    ASSERT_EQ(custom->Paragraphs()->GetCount(&count), S_OK);
    EXPECT_EQ(count, 1);
    SComWrap<ISRptPara> para;
    ASSERT_EQ(custom->GetParaAtPos(0, &para), S_OK);
    EXPECT_TRUE(SRepIsKindOf(para.Get(), CLSID_SRptParaTitle));

    EXPECT_EQ(custom->ConstructWithItemDef(nullptr), E_POINTER);
    EXPECT_EQ(custom->GetUserProcs(nullptr), E_POINTER);
}

TEST_F(SRptCustom, TheDefaultTitleStandsInForAStringTheModuleDoesNotHave) {
    RPTUSRITEMDEF def = Describe();
    def.TitleResID = 3999;
    SComWrap<ISRptCustom> missing = Custom(def);
    EXPECT_EQ(missing->GetTitleFromRes(), "Default orders");
    EXPECT_EQ(missing->GetTitle(), "Default orders");
    def.TitleResID = kTitleID;
    def.ResInstance = nullptr;
    SComWrap<ISRptCustom> noModule = Custom(def);
    EXPECT_EQ(noModule->GetTitle(), "Default orders");
}

TEST_F(SRptCustom, TheShownTitleIsTheUsersOrTheExtendedDefault) {
    RPTUSRITEMDEF def = Describe();
    def.ResPath = "";
    SComWrap<ISRptCustom> custom = Custom(def);
    EXPECT_EQ(custom->GetDispTitle(), "Default orders");
    custom->PutUserDefined(true);
    custom->PutTitle("");
    EXPECT_EQ(custom->GetDispTitle(), "");  // the user's, even empty
    custom->PutTitle("Mine");
    SRepVariant value;
    ASSERT_EQ(custom->GetAttribute(RPTCUSTOM_DISPTITLE, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Mine");
    // The shown titles are read-only.
    EXPECT_EQ(custom->SetAttribute(RPTCUSTOM_DISPTITLE, value), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(custom->SetAttribute(RPTCUSTOM_EXDEFTITLE, value), DISP_E_MEMBERNOTFOUND);

    // An available item with a path still shows its default: only a report knows the path.
    SComWrap<ISRptCustom> available = Custom(Describe());
    EXPECT_EQ(available->GetExDefTitle(), "Default orders");
}

TEST_F(SRptCustom, InATemplateOfAReportThePathGivesTheTitle) {
    SComWrap<ISRptCustom> custom = InReport(Describe(), "\\Titles\\Orders", "Orders of Sales");
    EXPECT_EQ(custom->GetExDefTitle(), "Orders of Sales");
    EXPECT_EQ(custom->GetDispTitle(), "Orders of Sales");
    EXPECT_EQ(custom->GetLabelInTemplate(), "Orders - Orders of Sales");
    // A path the report has no title for falls back on the default.
    custom->PutResPath("\\Titles\\Other");
    EXPECT_EQ(custom->GetExDefTitle(), "Default orders");
    EXPECT_EQ(TitleRequests(), 4);
    // No path: the report is not asked.
    custom->PutResPath("");
    EXPECT_EQ(custom->GetExDefTitle(), "Default orders");
    EXPECT_EQ(TitleRequests(), 4);
}

TEST_F(SRptCustom, TheTemplateLabelAddsTheFirstLineOfTheShownTitle) {
    SComWrap<ISRptCustom> custom = Custom(Describe());
    custom->PutUserDefined(true);
    custom->PutTitle("First line\nsecond line");
    EXPECT_EQ(custom->GetLabelInTemplate(), "Orders - First line");
    SRepVariant value;
    ASSERT_EQ(custom->GetAttribute(0x0100000B, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Orders - First line");
    EXPECT_EQ(custom->GetLabelInAvailable(), "Orders");
    custom->PutTitle("");
    EXPECT_EQ(custom->GetLabelInTemplate(), "Orders");
}

TEST_F(SRptCustom, TheSameResourcePathAgainChangesAndAnnouncesNothing) {
    SComWrap<ISRptCustom> custom = Custom(Describe());
    SComWrap<STestChangeSink> sink(new STestChangeSink);
    ASSERT_EQ(custom->Advise(SREP_NOTIFY_CHANGE, sink.Get()), S_OK);
    EXPECT_EQ(custom->PutResPath("\\Titles\\Orders"), S_FALSE);
    EXPECT_TRUE(sink->changes.empty());
    EXPECT_EQ(custom->PutResPath("\\Titles\\Lines"), S_OK);
    EXPECT_EQ(sink->changes, std::vector<int32_t>{RPTCUSTOM_RESPATH});
    EXPECT_EQ(custom->GetResPath(), "\\Titles\\Lines");
    // Written as an attribute (as a template file is read) it is kept without an announcement.
    SRepVariant value;
    value.SetText("\\Titles\\Read");
    EXPECT_EQ(custom->SetAttribute(RPTCUSTOM_RESPATH, value), S_OK);
    EXPECT_EQ(custom->GetResPath(), "\\Titles\\Read");
    EXPECT_EQ(sink->changes.size(), 1u);
    custom->Unadvise(sink.Get());
}

TEST_F(SRptCustom, ProceduresAreHeldOnceAndKeptByACopy) {
    SComWrap<ISRptCustom> custom = Custom(Describe());
    EXPECT_EQ(procs->RefCount(), 2);
    ASSERT_EQ(custom->SetUserProcs(procs.Get()), S_OK);
    EXPECT_EQ(procs->RefCount(), 2);

    SComWrap<ISRepObject> copyObject;
    ASSERT_EQ(custom->Duplicate(nullptr, 0, nullptr, &copyObject), S_OK);
    SComWrap<ISRptCustom> copy;
    copy = static_cast<IUnknown*>(copyObject.Get());
    EXPECT_EQ(procs->RefCount(), 3);
    EXPECT_EQ(copy->GetResInstance(), &module);
    EXPECT_EQ(copy->GetResPath(), "\\Titles\\Orders");
    EXPECT_EQ(copy->GetTitle(), "Orders\nof the model");

    SComWrap<STestUnknown> other(new STestUnknown);
    ASSERT_EQ(custom->SetUserProcs(other.Get()), S_OK);
    EXPECT_EQ(procs->RefCount(), 2);
    EXPECT_EQ(other->RefCount(), 2);
    custom->SetUserProcs(nullptr);
    EXPECT_EQ(other->RefCount(), 1);
}

TEST_F(SRptCustom, TheModulesProceduresGiveTheTableOfContentsEntry) {
    SComWrap<ISRptCustom> custom = Custom(Describe());
    custom->PutUserDefined(true);
    custom->PutTitle("Shown");
    procs->entryText = "3. Orders";
    RPTTBLCTSENTRY entry;
    entry.GenerationClient = reinterpret_cast<ISRptGenerationClient*>(0x40);
    entry.Report = reinterpret_cast<ISRptReport*>(0x50);
    ASSERT_EQ(custom->GetTblCtsEntry(&entry), S_OK);
    EXPECT_EQ(entry.HasEntry, 1);
    EXPECT_EQ(entry.Text, "3. Orders");
    ASSERT_EQ(procs->processCalls, 1);
    EXPECT_EQ(procs->otherCalls, 0);
    EXPECT_EQ(procs->lastReport, entry.Report);
    const RPTPROCCONTEXT& request = procs->lastRequest;
    EXPECT_EQ(request.GenerationClient, entry.GenerationClient);
    EXPECT_EQ(request.ItemParam, 42);
    EXPECT_EQ(request.Text1, "Shown");
    EXPECT_EQ(request.Text2, "");
    EXPECT_EQ(request.Text3, "");
    EXPECT_EQ(request.ObjectID, GUID_NULL);
    EXPECT_EQ(request.TargetItem, nullptr);
    EXPECT_EQ(request.ModuleCursor + request.RowCursor + request.Occurrence + request.UserParam, 0);
    // The module's result says nothing more: what it wrote is the entry even when it fails.
    procs->processResult = E_FAIL;
    procs->entryText = "4. Lines";
    entry.HasEntry = 0;
    entry.Text = "before";
    EXPECT_EQ(custom->GetTblCtsEntry(&entry), S_OK);
    EXPECT_EQ(entry.HasEntry, 1);
    EXPECT_EQ(entry.Text, "4. Lines");
}

TEST_F(SRptCustom, WithoutProceduresThereIsNoEntryAndNoFailure) {
    RPTUSRITEMDEF def = Describe();
    def.UserProcs = nullptr;
    SComWrap<ISRptCustom> custom = Custom(def);
    RPTTBLCTSENTRY entry;
    entry.Text = "untouched";
    EXPECT_EQ(custom->GetTblCtsEntry(&entry), S_OK);
    EXPECT_EQ(entry.HasEntry, 0);
    EXPECT_EQ(entry.Text, "untouched");
    // Nor with an object of the module that is no procedures.
    SComWrap<STestUnknown> other(new STestUnknown);
    custom->SetUserProcs(other.Get());
    EXPECT_EQ(custom->GetTblCtsEntry(&entry), S_OK);
    EXPECT_EQ(entry.HasEntry, 0);
    EXPECT_EQ(custom->GetTblCtsEntry(nullptr), E_INVALIDARG);
}
