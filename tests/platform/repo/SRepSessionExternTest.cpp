// Session references: objects of the framework's own class that stand for another session; and
// the framework's read-only rule and cascade switch.
#include <gtest/gtest.h>

#include "platform/repo/SRepCascadeGuard.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepSessionExtern.h"
#include "platform/repo/SRepVariant.h"

namespace {

class SRepSessionExternTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SRepSession::Create("document", &session), S_OK);
        ASSERT_EQ(SRepSession::Create("model", &model), S_OK);
        ASSERT_EQ(session->CreateModelObject(MakeGUID("{362D41ED-9D82-11D1-8E5D-444553540000}"),
                                             reinterpret_cast<void**>(&reference),
                                             MakeGUID("{96381B73-1253-11D1-83D9-444553540000}")),
                  S_OK);
    }
    void TearDown() override {
        reference.Clear();
        session->Close();
        model->Close();
    }

    SComWrap<ISRepSession> session;
    SComWrap<ISRepSession> model;
    SComWrap<ISRepSessionExtern> reference;
};

}  // namespace

TEST_F(SRepSessionExternTest, AReferenceHoldsTheSessionItIsGivenAndItsCopiesTheSame) {
    SComWrap<ISRepSession> referenced;
    EXPECT_EQ(reference->GetExternSession(&referenced), S_OK);
    EXPECT_FALSE(referenced);  // none until one is set
    EXPECT_EQ(reference->GetExternSession(nullptr), E_POINTER);

    EXPECT_EQ(reference->SetExternSession(model.Get()), S_OK);
    ASSERT_EQ(reference->GetExternSession(&referenced), S_OK);
    EXPECT_EQ(referenced.Get(), model.Get());
    EXPECT_TRUE(reference->IsKindOf(MakeGUID("{362D41ED-9D82-11D1-8E5D-444553540000}")));
    SRepVariant className;
    ASSERT_EQ(reference->GetAttribute(SREP_DISPID_CLASSNAME, &className), S_OK);
    EXPECT_EQ(className.GetText(), "SRepSessionExtern");

    SComWrap<ISRepObject> copy;
    ASSERT_EQ(reference->Duplicate(nullptr, SREP_DUPLICATE_DEEP, nullptr, &copy), S_OK);
    SComWrap<ISRepSessionExtern> copied;
    copied = static_cast<IUnknown*>(copy.Get());
    ASSERT_TRUE(copied);
    SComWrap<ISRepSession> copiedSession;
    ASSERT_EQ(copied->GetExternSession(&copiedSession), S_OK);
    EXPECT_EQ(copiedSession.Get(), model.Get());

    // Cleared, the reference lets the session go.
    EXPECT_EQ(reference->SetExternSession(nullptr), S_OK);
    ASSERT_EQ(reference->GetExternSession(&referenced), S_OK);
    EXPECT_FALSE(referenced);
    copy->Delete();
}

TEST_F(SRepSessionExternTest, AttributesAreReadOnlyWhileTheObjectIsLockedOrWhenTheFrameworkProducesThem) {
    auto* object = dynamic_cast<SRepObjectBaseImpl*>(SRepObjectMem::FromObject(reference.Get()));
    ASSERT_NE(object, nullptr);
    SRepVariant value;
    value.SetText("ann");
    EXPECT_FALSE(object->IsAttrReadOnly(SREP_DISPID_CREATOR, value));
    EXPECT_TRUE(object->IsAttrReadOnly(SREP_DISPID_CLASSNAME, value));
    EXPECT_TRUE(object->IsAttrReadOnly(SREP_DISPID_PARENT, value));

    object->LockObject();
    EXPECT_TRUE(object->IsAttrReadOnly(SREP_DISPID_CREATOR, value));
    object->UnlockObject();
    EXPECT_FALSE(object->IsAttrReadOnly(SREP_DISPID_CREATOR, value));
}

TEST(SRepCascadeGuardTest, AGuardSwitchesCascadingForItsScopeAndPutsItBack) {
    ASSERT_TRUE(g_IsCascadeAllowed);
    {
        SRepCascadeGuard off;
        EXPECT_FALSE(g_IsCascadeAllowed);
        {
            SRepCascadeGuard on(true);
            EXPECT_TRUE(g_IsCascadeAllowed);
        }
        EXPECT_FALSE(g_IsCascadeAllowed);
    }
    EXPECT_TRUE(g_IsCascadeAllowed);
}
