// A report's templates and available items: by position, added, deleted, observed, kept in step
// with the modules' available items, and written to files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "platform/repo/SRepObjectBaseMem.h"
#include "rpt/objs/reports/SRptReportTestFixture.h"
#include "support/STestTempFolder.h"
#include "varod9/ISRptTemplate.h"

namespace {

// A sink that counts what it hears.
class SCountingSink final : public STestRefCounted<ISRepColSink> {
public:
    HRESULT OnInsert(ISRepClassCol*, int32_t, ISRepObject*) override {
        ++inserted;
        return S_OK;
    }
    HRESULT OnRemove(ISRepClassCol*, int32_t, ISRepObject*) override {
        ++removed;
        return S_OK;
    }
    int32_t inserted = 0;
    int32_t removed = 0;
};

class SRptReportTemplates : public SRptReportTestFixture {
protected:
    SComWrap<ISRptTemplate> NewTemplate(const char* moduleId) {
        SComWrap<ISRptTemplate> made;
        EXPECT_EQ(report->AddNewTemplate(moduleId, 1, &made), S_OK);
        return made;
    }
    int32_t Count() {
        int32_t count = -1;
        EXPECT_EQ(report->GetTemplatesCount(&count), S_OK);
        return count;
    }
    SRptReportImpl* Impl() { return dynamic_cast<SRptReportImpl*>(SRepObjectMem::FromObject(report.Get())); }

};

}  // namespace

TEST_F(SRptReportTemplates, TemplatesAreFoundByPositionAndPositionsByTemplate) {
    SComWrap<ISRptTemplate> first = NewTemplate("Sales");
    SComWrap<ISRptTemplate> second = NewTemplate("Sales");
    SComWrap<ISRptTemplate> third = NewTemplate("Stock");
    EXPECT_EQ(Count(), 3);
    int32_t position = -5;
    EXPECT_EQ(report->GetPosOfTemplate(third.Get(), &position), S_OK);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(report->GetPosOfTemplate(first.Get(), &position), S_OK);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(report->GetPosOfTemplate(second.Get(), nullptr), E_INVALIDARG);

    SComWrap<ISRptTemplate> atTwo;
    EXPECT_EQ(report->GetTemplateAtPos(2, &atTwo), S_OK);
    EXPECT_EQ(atTwo->GetModuleID(), "Stock");
    EXPECT_EQ(report->GetTemplateAtPos(3, &atTwo), S_FALSE);
    EXPECT_FALSE(atTwo);
    EXPECT_EQ(report->GetTemplateAtPos(0, nullptr), E_POINTER);
    SComWrap<ISRepClassCol> templates;
    EXPECT_EQ(report->GetTemplatesCollection(nullptr), E_POINTER);
    ASSERT_EQ(report->GetTemplatesCollection(&templates), S_OK);
    EXPECT_EQ(SRepClassColPtr(templates.Get()).GetCount(), 3);

    // A template of another report is not among this one's.
    SComWrap<ISRptReport> other;
    ASSERT_EQ(session->CreateObject(CLSID_SRptReport, reinterpret_cast<void**>(&other), ISRptReport::iid), S_OK);
    SComWrap<ISRptTemplate> foreign;
    ASSERT_EQ(other->AddNewTemplate("Sales", 1, &foreign), S_OK);
    EXPECT_EQ(report->GetPosOfTemplate(foreign.Get(), &position), S_FALSE);
    EXPECT_EQ(position, -1);
    other->Delete();
}

TEST_F(SRptReportTemplates, DeletingATemplateRemovesItAndTheRestMoveUp) {
    SComWrap<ISRptTemplate> first = NewTemplate("Sales");
    SComWrap<ISRptTemplate> second = NewTemplate("Stock");
    SComWrap<SCountingSink> sink(new SCountingSink);
    EXPECT_EQ(report->AdviseTemplate(nullptr), S_FALSE);
    ASSERT_EQ(report->AdviseTemplate(sink.Get()), S_OK);
    EXPECT_EQ(report->DeleteTemplateAtPos(0), S_OK);
    EXPECT_EQ(sink->removed, 1);
    EXPECT_EQ(report->UnadviseTemplate(sink.Get()), S_OK);
    EXPECT_EQ(Count(), 1);
    SComWrap<ISRptTemplate> atZero;
    ASSERT_EQ(report->GetTemplateAtPos(0, &atZero), S_OK);
    EXPECT_EQ(atZero.Get(), second.Get());
    EXPECT_TRUE(SRepObjectMem::FromObject(first.Get())->IsDeleted());
    // Outside the collection nothing is removed.
    EXPECT_EQ(report->DeleteTemplateAtPos(4), S_FALSE);
    EXPECT_EQ(Count(), 1);
}

TEST_F(SRptReportTemplates, AnInsertedTemplateBringsItsModulesAvailableItemsIntoTheReport) {
    Register("Sales", "Sales model");
    int32_t count = -1;
    EXPECT_EQ(report->GetAvailableItemsCount(&count), S_OK);
    EXPECT_EQ(count, 0);
    // Inserting is enough: no explicit synchronisation.
    SComWrap<ISRptTemplate> made = NewTemplate("Sales");
    EXPECT_EQ(report->GetAvailableItemsCount(&count), S_OK);
    EXPECT_EQ(count, 1);
    SComWrap<ISRptAvailableItems> copy;
    ASSERT_EQ(report->GetAvailableItemsAtPos(0, &copy), S_OK);
    EXPECT_EQ(copy->GetModuleID(), "Sales");
    EXPECT_EQ(report->GetAvailableItemsAtPos(1, &copy), S_FALSE);
    EXPECT_FALSE(copy);
    EXPECT_EQ(report->GetAvailableItemsAtPos(0, nullptr), E_POINTER);
    EXPECT_EQ(report->GetAvailableItemsCount(nullptr), E_POINTER);
    EXPECT_EQ(report->GetAvailableItemsCollection(nullptr), E_POINTER);
    SComWrap<ISRepClassCol> availables;
    ASSERT_EQ(report->GetAvailableItemsCollection(&availables), S_OK);
    EXPECT_EQ(SRepClassColPtr(availables.Get()).GetCount(), 1);

    // A second template of the module finds the copy there already.
    NewTemplate("Sales");
    EXPECT_EQ(report->SyncTemplatesWithAvailableItems(), S_OK);
    EXPECT_EQ(SRepClassColPtr(availables.Get()).GetCount(), 1);
    EXPECT_EQ(report->SyncTemplatesWithExtendedResource(), S_OK);

    // A module that is not registered gives nothing, and says so.
    SComWrap<ISRptAvailableItems> none;
    EXPECT_EQ(report->AddNewAvailableItems("Nowhere", &none), E_FAIL);
    EXPECT_FALSE(none);
    EXPECT_EQ(report->AddNewAvailableItems("Sales", nullptr), E_INVALIDARG);
    EXPECT_EQ(report->GetAvailableItemsOfModule("Sales", nullptr), E_INVALIDARG);
    EXPECT_EQ(report->AddAvailableItems(nullptr), S_FALSE);
}

TEST_F(SRptReportTemplates, AvailableItemsSinksHearOfNewContainers) {
    Register("Sales", "Sales model");
    SComWrap<SCountingSink> sink(new SCountingSink);
    EXPECT_EQ(report->AdviseAvailableItems(nullptr), S_FALSE);
    ASSERT_EQ(report->AdviseAvailableItems(sink.Get()), S_OK);
    SComWrap<ISRptAvailableItems> own;
    ASSERT_EQ(report->AddNewAvailableItems("Sales", &own), S_OK);
    EXPECT_EQ(sink->inserted, 1);
    EXPECT_EQ(report->UnadviseAvailableItems(sink.Get()), S_OK);
    EXPECT_EQ(report->UnadviseAvailableItems(nullptr), S_FALSE);
}

TEST_F(SRptReportTemplates, WritingOverAReadOnlyFileWritesNothingAndSaysWhy) {
    NewTemplate("Sales");
    STestTempFolder folder;
    const SString path = folder.GetPath() + "/kept.rtp";
    { std::ofstream(path.c_str()) << "kept"; }
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(Impl()->WriteTemplate(path), static_cast<HRESULT>(0x80070005u));
    std::ifstream in(path.c_str());
    std::string text;
    in >> text;
    EXPECT_EQ(text, "kept");
}
