// A report's language binding and its sessions, the title page's read-only rule, the insertion
// hook's cascade and the language's change reaching an open editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/repo/ISRepObjSink.h"
#include "platform/repo/SRepCascadeGuard.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepOption.h"
#include "support/STestLoginScope.h"
#include "platform/repo/SRepRegistry.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/reports/SRptReportTestFixture.h"
#include "rpt/objs/reports/SRptTemplateMem.h"
#include "support/STestRptProcs.h"

namespace {

const GUID kSessionReference = MakeGUID("{362D41ED-9D82-11D1-8E5D-444553540000}");
const GUID kSessionReferenceInterface = MakeGUID("{96381B73-1253-11D1-83D9-444553540000}");

class SRptReportLanguage : public SRptReportTestFixture {
protected:
    void SetUp() override {
        SRptReportTestFixture::SetUp();
        ASSERT_EQ(SRepSession::Create("language model", &model), S_OK);
        ASSERT_EQ(model->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&language), ISRepObject::iid),
                  S_OK);
    }
    void TearDown() override {
        language.Clear();
        model->Close();
        model.Clear();
        SRptReportTestFixture::TearDown();
    }

    // A reference to `target` made in the report's session, gathered in `collection` when given.
    SComWrap<ISRepSessionExtern> Reference(ISRepSession* target, int32_t collection = 0) {
        SComWrap<ISRepSessionExtern> made;
        EXPECT_EQ(session->CreateObject(kSessionReference, reinterpret_cast<void**>(&made), kSessionReferenceInterface),
                  S_OK);
        if (!made) return made;
        made->SetExternSession(target);
        if (collection) Col(collection).Insert(-1, made.Get());
        return made;
    }
    SRepClassColPtr Col(int32_t id) {
        SComWrap<ISRepClassCol> collection;
        EXPECT_EQ(report->GetCollection(id, &collection), S_OK);
        return SRepClassColPtr(collection.Get());
    }
    // The entries of a collection of the report, in order.
    std::vector<SComWrap<ISRepObject>> Entries(int32_t collection) {
        std::vector<SComWrap<ISRepObject>> entries;
        SRepClassColPtr col = Col(collection);
        for (int32_t i = 0; i < col.GetCount(); ++i) entries.push_back(col.Item(i));
        return entries;
    }
    SRptReportImpl* Impl() { return dynamic_cast<SRptReportImpl*>(SRepObjectMem::FromObject(report.Get())); }

    SComWrap<ISRepSession> model;
    SComWrap<ISRepObject> language;
};

// The sink an open editor registers on its report: counts the changes it rebuilds its tabs for.
class SEditorSink final : public ISRepObjSink {
public:
    HRESULT QueryInterface(const GUID&, void**) override { return E_NOINTERFACE; }
    uint32_t AddRef() override { return 2; }
    uint32_t Release() override { return 1; }
    HRESULT OnDelete(ISRepObject*, int32_t) override { return S_OK; }
    HRESULT OnFlush(ISRepObject*) override { return S_OK; }
    HRESULT OnChange(ISRepObject*, int32_t id) override {
        if (id == RPTREPORT_TEMPLATES || id == RPTREPORT_LANGUAGE) ++tabUpdates;
        return S_OK;
    }
    int32_t tabUpdates = 0;
};

}  // namespace

TEST_F(SRptReportLanguage, ALanguageOfATargetModelPutsThatModelsReferenceFirst) {
    SComWrap<ISRepSessionExtern> other = Reference(session.Get(), RPTREPORT_EXTSESS);
    SComWrap<ISRepSessionExtern> target = Reference(model.Get(), RPTREPORT_EXTSESS);
    // With LangExSess empty the target model's own reference is appended: no new one is made.
    ASSERT_EQ(report->PutLang(language.Get()), S_OK);
    auto entries = Entries(RPTREPORT_LANGEXSESS);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].IsEqualObject(target.Get()));
    EXPECT_TRUE(report->GetLang().IsEqualObject(language.Get()));
    EXPECT_EQ(Entries(RPTREPORT_EXTSESS).size(), 2u);

    // Bound anew, whatever stands before it goes; what follows it stays.
    SRepClassColPtr langSessions = Col(RPTREPORT_LANGEXSESS);
    langSessions.Insert(0, other.Get());
    SComWrap<ISRepSessionExtern> after = Reference(session.Get(), RPTREPORT_LANGEXSESS);
    ASSERT_EQ(report->PutLang(nullptr), S_OK);
    ASSERT_EQ(report->PutLang(language.Get()), S_OK);
    entries = Entries(RPTREPORT_LANGEXSESS);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0].IsEqualObject(target.Get()));
    EXPECT_TRUE(entries[1].IsEqualObject(after.Get()));
}

TEST_F(SRptReportLanguage, ALanguageOfAnotherSessionGetsOneNewStampedReferenceAsTheOnlyEntry) {
    STestLoginScope login("ada");
    Reference(session.Get(), RPTREPORT_LANGEXSESS);
    Reference(session.Get(), RPTREPORT_LANGEXSESS);
    ASSERT_EQ(report->PutLang(language.Get()), S_OK);
    auto entries = Entries(RPTREPORT_LANGEXSESS);
    ASSERT_EQ(entries.size(), 1u);
    SComWrap<ISRepSessionExtern> made;
    made = static_cast<IUnknown*>(entries[0].Get());
    ASSERT_TRUE(made);
    SComWrap<ISRepSession> referenced;
    ASSERT_EQ(made->GetExternSession(&referenced), S_OK);
    EXPECT_EQ(referenced.Get(), model.Get());
    SRepVariant creator;
    ASSERT_EQ(made->GetAttribute(SREP_DISPID_CREATOR, &creator), S_OK);
    EXPECT_EQ(creator.GetText(), "ada");
    // Made in the report's own session, and not among the target models.
    SComWrap<ISRepSession> home;
    ASSERT_EQ(made->GetSession(&home), S_OK);
    EXPECT_EQ(home.Get(), session.Get());
    EXPECT_TRUE(Entries(RPTREPORT_EXTSESS).empty());

    // Bound anew, the language finds no target model and makes a fresh reference again.
    ASSERT_EQ(report->PutLang(nullptr), S_OK);
    ASSERT_EQ(report->PutLang(language.Get()), S_OK);
    EXPECT_EQ(Entries(RPTREPORT_LANGEXSESS).size(), 1u);
}

TEST_F(SRptReportLanguage, TheLanguageAlreadyBoundAnswersOneAndChangesNothing) {
    SComWrap<ISRepSessionExtern> target = Reference(model.Get(), RPTREPORT_EXTSESS);
    ASSERT_EQ(report->PutLang(language.Get()), S_OK);
    SComWrap<ISRepSessionExtern> other = Reference(session.Get());
    Col(RPTREPORT_LANGEXSESS).Insert(0, other.Get());
    SComWrap<STestChangeSink> sink(new STestChangeSink);
    ASSERT_EQ(report->Advise(SREP_NOTIFY_CHANGE, sink.Get()), S_OK);

    EXPECT_EQ(report->PutLang(language.Get()), S_FALSE);
    SRepVariant same;
    same.SetIOBJECT(language.Get());
    EXPECT_EQ(report->SetAttribute(RPTREPORT_LANG, same), S_FALSE);
    auto entries = Entries(RPTREPORT_LANGEXSESS);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0].IsEqualObject(other.Get()));
    EXPECT_TRUE(entries[1].IsEqualObject(target.Get()));
    EXPECT_TRUE(sink->changes.empty());

    // Clearing it is a change, announced; clearing it again is none.
    ASSERT_EQ(report->PutLang(nullptr), S_OK);
    EXPECT_EQ(std::count(sink->changes.begin(), sink->changes.end(), RPTREPORT_LANG), 1);
    sink->changes.clear();
    EXPECT_EQ(report->PutLang(nullptr), S_FALSE);
    EXPECT_TRUE(sink->changes.empty());
    report->Unadvise(sink.Get());
}

TEST_F(SRptReportLanguage, ClearingTheLanguageLeavesItsSessionsAndALanguageWithoutSessionIsRefused) {
    ASSERT_EQ(report->PutLang(language.Get()), S_OK);
    ASSERT_EQ(Entries(RPTREPORT_LANGEXSESS).size(), 1u);
    EXPECT_EQ(report->PutLang(nullptr), S_OK);
    EXPECT_FALSE(report->GetLang());
    EXPECT_EQ(Entries(RPTREPORT_LANGEXSESS).size(), 1u);

    // An object that lives in no session cannot have its session referred to: nothing changes.
    SComWrap<ISRepObject> orphan;
    ASSERT_EQ(SRepRegistry::CreateObject(CLSID_SRptReport, nullptr, &orphan), S_OK);
    EXPECT_EQ(report->PutLang(orphan.Get()), E_FAIL);
    EXPECT_FALSE(report->GetLang());
    EXPECT_EQ(Entries(RPTREPORT_LANGEXSESS).size(), 1u);
}

TEST_F(SRptReportLanguage, AChangeOfTheLanguageOrOfTheTemplatesAsksTheOpenEditorToRebuildItsTabs) {
    SEditorSink editor;
    // Without an editor nothing is asked.
    ASSERT_EQ(report->PutLang(language.Get()), S_OK);
    ISRepObject* object = static_cast<ISRepObject*>(report.Get());
    ASSERT_EQ(object->Advise(SREP_NOTIFY_CHANGE, &editor), S_OK);
    ASSERT_EQ(report->PutLang(nullptr), S_OK);
    EXPECT_EQ(editor.tabUpdates, 1);
    SComWrap<ISRptTemplate> made;
    ASSERT_EQ(report->AddNewTemplate("Sales", 1, &made), S_OK);
    EXPECT_EQ(editor.tabUpdates, 2);
    made.Clear();
    ASSERT_EQ(report->DeleteTemplateAtPos(0), S_OK);
    EXPECT_EQ(editor.tabUpdates, 3);
    // A change of another collection is none of the editor's tabs.
    ASSERT_TRUE(Reference(model.Get(), RPTREPORT_EXTSESS));
    EXPECT_EQ(editor.tabUpdates, 3);
    object->Unadvise(&editor);
}

TEST_F(SRptReportLanguage, TheTitlePageStaysWritableWhenTheFrameworksRuleWouldRefuseIt) {
    SRptReportImpl* impl = Impl();
    ASSERT_NE(impl, nullptr);
    SRepVariant value;
    EXPECT_FALSE(impl->IsAttrReadOnly(SREP_DISPID_NAME, value));
    EXPECT_TRUE(impl->IsAttrReadOnly(0x02006510, value));  // LangName, the host's
    impl->LockObject();
    for (int32_t id : {0x02006503, 0x02006504, 0x02006505, 0x02006506, 0x02006507, 0x02006508, 0x0200650A,
                       0x0200650B, 0x0200650C, 0x0200650D})
        EXPECT_FALSE(impl->IsAttrReadOnly(id, value)) << std::hex << id;
    EXPECT_TRUE(impl->IsAttrReadOnly(0x02006509, value));
    EXPECT_TRUE(impl->IsAttrReadOnly(SREP_DISPID_NAME, value));
    EXPECT_TRUE(impl->IsAttrReadOnly(0x0200650E, value));
    impl->UnlockObject();
}

TEST_F(SRptReportLanguage, OnlyACascadingInsertionBringsATemplateIntoLineWithItsModule) {
    Register("Sales", "Sales model");
    SComWrap<ISRepObject> object;
    ASSERT_EQ(session->CreateObject(CLSID_SRptTemplate, reinterpret_cast<void**>(&object), ISRepObject::iid), S_OK);
    SComWrap<ISRptTemplate> made;
    made = static_cast<IUnknown*>(object.Get());
    ASSERT_TRUE(made);
    RPTUSRITEMDEF def;
    def.ItemID = "TEMPLATE";
    def.ModuleID = "Sales";
    ASSERT_EQ(made->ConstructWithItemDef(&def), S_OK);
    int32_t count = -1;
    {
        SRepCascadeGuard noCascade;
        ASSERT_EQ(report->AddTemplate(made.Get()), S_OK);
    }
    ASSERT_EQ(report->GetAvailableItemsCount(&count), S_OK);
    EXPECT_EQ(count, 0);

    SComWrap<ISRptTemplate> second;
    ASSERT_EQ(report->AddNewTemplate("Sales", 1, &second), S_OK);
    ASSERT_EQ(report->GetAvailableItemsCount(&count), S_OK);
    EXPECT_EQ(count, 1);

    // A copy of the report has the source's containers and no more.
    SComWrap<ISRepObject> copy;
    ASSERT_EQ(report->Duplicate(nullptr, SREP_DUPLICATE_DEEP, nullptr, &copy), S_OK);
    SComWrap<ISRptReport> copied;
    copied = static_cast<IUnknown*>(copy.Get());
    ASSERT_EQ(copied->GetTemplatesCount(&count), S_OK);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(copied->GetAvailableItemsCount(&count), S_OK);
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(g_IsCascadeAllowed);
    copy->Delete();
}
