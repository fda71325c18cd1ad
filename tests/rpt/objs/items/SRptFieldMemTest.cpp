#include <gtest/gtest.h>

#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepRegistry.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/items/SRptFieldMem.h"
#include "support/SRptItemTestFixture.h"
#include "support/STestRptProcs.h"

namespace {

class SRptField : public SRptItemTestFixture {
protected:
    void SetUp() override {
        SRptItemTestFixture::SetUp();
        provider = SComWrap<STestFieldProcs>(new STestFieldProcs);
    }
    void TearDown() override {
        SRptItemTestFixture::TearDown();
        EXPECT_EQ(provider->RefCount(), 1) << "the value provider is still held";
    }
    RPTFIELDDEF Describe(ISRptFieldProcs* procs) {
        RPTFIELDDEF def;
        def.PresenceFlag = 3;
        def.ModuleID = "MODEL";
        def.FieldName = "AUTHOR";
        def.Descr = "The model's author";
        def.Value = "fixed";
        def.FieldProcs = procs;
        return def;
    }
    SComWrap<ISRptField> Field(ISRptFieldProcs* procs) {
        SComWrap<ISRptField> field = Make<ISRptField>(CLSID_SRptField);
        RPTFIELDDEF def = Describe(procs);
        EXPECT_EQ(field->ConstructWithFieldDef(&def), S_OK);
        return field;
    }

    SComWrap<STestFieldProcs> provider;
};

}  // namespace

TEST_F(SRptField, AFieldIsMadeByItsFactoryAndTakesItsDescription) {
    EXPECT_TRUE(SRepRegistry::Find(CLSID_SRptField)->IsCreatable());
    SComWrap<ISRptField> field = Field(nullptr);
    EXPECT_EQ(field->GetModuleID(), "MODEL");
    EXPECT_EQ(field->GetFieldName(), "AUTHOR");
    EXPECT_EQ(field->GetDescr(), "The model's author");
    EXPECT_EQ(field->GetValue(), "fixed");
    EXPECT_EQ(field->GetPresenceFlag(), 3);
    EXPECT_EQ(field->ConstructWithFieldDef(nullptr), E_POINTER);
    EXPECT_TRUE(SRepIsKindOf(field.Get(), CLSID_SRptBase));
    EXPECT_FALSE(SRepIsKindOf(field.Get(), CLSID_SRptItem));
    SComWrap<ISRptBase> base;
    EXPECT_EQ(base.Assign(field.Get()), S_OK);

    SRepVariant value;
    value.SetText("changed");
    ASSERT_EQ(field->SetAttribute(RPTFIELD_VALUE, value), S_OK);
    EXPECT_EQ(field->GetValue(), "changed");
    ASSERT_EQ(field->GetAttribute(RPTFIELD_PRESENCEFLAG, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_INT);
    EXPECT_EQ(value.GetInt(), 3);
}

TEST_F(SRptField, WithoutAProviderTheFieldGivesItsValue) {
    SComWrap<ISRptField> field = Field(nullptr);
    SString out = "before";
    EXPECT_EQ(field->GetFieldVal(nullptr, nullptr, out), S_OK);
    EXPECT_EQ(out, "fixed");
    field->PutValue("");
    EXPECT_EQ(field->GetFieldVal(nullptr, nullptr, out), S_OK);
    EXPECT_EQ(out, "");
}

TEST_F(SRptField, AProvidersAnswerCountsOnlyWhenItSucceeds) {
    SComWrap<ISRptField> field = Field(provider.Get());
    auto* report = reinterpret_cast<ISRptReport*>(0x60);
    auto* client = reinterpret_cast<ISRptGenerationClient*>(0x70);
    SString out = "before";
    EXPECT_EQ(field->GetFieldVal(report, client, out), S_OK);
    EXPECT_EQ(out, "provided");
    EXPECT_EQ(provider->lastReport, report);
    EXPECT_EQ(provider->lastRequest.FieldName, "AUTHOR");
    EXPECT_EQ(provider->lastRequest.Value, "");
    EXPECT_EQ(provider->lastRequest.GenerationClient, client);
    EXPECT_EQ(provider->lastRequest.Reserved, 0);

    // S_FALSE or a failure: returned, and the caller's text stays, the fixed value unused.
    out = "before";
    provider->result = S_FALSE;
    EXPECT_EQ(field->GetFieldVal(report, client, out), S_FALSE);
    EXPECT_EQ(out, "before");
    provider->result = E_FAIL;
    EXPECT_EQ(field->GetFieldVal(report, client, out), E_FAIL);
    EXPECT_EQ(out, "before");
}

TEST_F(SRptField, TheProviderIsHeldOnceAndReleasedWhenReplaced) {
    SComWrap<ISRptField> field = Field(provider.Get());
    EXPECT_EQ(provider->RefCount(), 2);
    RPTFIELDDEF def = Describe(provider.Get());
    ASSERT_EQ(field->ConstructWithFieldDef(&def), S_OK);
    EXPECT_EQ(provider->RefCount(), 2);

    // A copy has no provider: it answers with its value.
    SComWrap<ISRepObject> copyObject;
    ASSERT_EQ(field->Duplicate(nullptr, 0, nullptr, &copyObject), S_OK);
    SComWrap<ISRptField> copy;
    copy = static_cast<IUnknown*>(copyObject.Get());
    EXPECT_EQ(provider->RefCount(), 2);
    SString out;
    EXPECT_EQ(copy->GetFieldVal(nullptr, nullptr, out), S_OK);
    EXPECT_EQ(out, "fixed");

    SComWrap<STestFieldProcs> other(new STestFieldProcs);
    def.FieldProcs = other.Get();
    ASSERT_EQ(field->ConstructWithFieldDef(&def), S_OK);
    EXPECT_EQ(provider->RefCount(), 1);
    EXPECT_EQ(other->RefCount(), 2);
    field.Clear();
    EXPECT_EQ(other->RefCount(), 1);
}
