#include <gtest/gtest.h>

#include "support/STestNodeMem.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepVariant.h"

TEST(SRepVariant, EachSetterTagsItsTypeWord) {
    SRepVariant v;
    EXPECT_EQ(v.GetType(), 0u);
    v.SetShort(-3);
    EXPECT_EQ(v.GetType(), 0x20000u);
    EXPECT_EQ(v.GetShort(), -3);
    v.SetInt(70000);
    EXPECT_EQ(v.GetType(), 0x30000u);
    EXPECT_EQ(v.GetInt(), 70000);
    v.SetBool(true);
    EXPECT_EQ(v.GetType(), 0x40000u);
    EXPECT_TRUE(v.GetBool());
    v.SetChar("name");
    EXPECT_EQ(v.GetType(), 0x900FEu);
    v.SetText("long text");
    EXPECT_EQ(v.GetType(), 0xA0000u);
    EXPECT_EQ(v.GetText(), "long text");
    v.SetPOINT({3, 4});
    EXPECT_EQ(v.GetType(), 0xE0000u);
    EXPECT_EQ(v.GetPOINT(), (POINT{3, 4}));
    v.SetRECT({1, 2, 3, 4});
    EXPECT_EQ(v.GetType(), 0xF0000u);
    EXPECT_EQ(v.GetRECT(), (RECT{1, 2, 3, 4}));
    EXPECT_EQ(v.GetText(), "");  // a rectangle has no text
    EXPECT_EQ(v.GetInt(), 0);
    const GUID oid = MakeGUID("{0C1A2B3C-4D5E-4F60-8172-839405162738}");
    v.SetOID(oid);
    EXPECT_EQ(v.GetType(), 0x10000u);
    EXPECT_EQ(v.GetOID(), oid);
    v.SetDATE(86400);  // a date is no number
    EXPECT_EQ(v.GetInt(), 0);
    EXPECT_EQ(v.GetType(), 0x80000u);
    EXPECT_EQ(v.GetDATE(), 86400);
}

TEST(SRepVariant, CharKeeps254CharactersWithoutCuttingASequence) {
    SRepVariant v;
    SString text(std::string(253, 'a') + "\xC3\xA9\xC3\xA9");  // 253 letters and two two-byte letters
    v.SetChar(text);
    EXPECT_EQ(v.GetText().GetCharCount(), 254);
    EXPECT_EQ(v.GetText().GetLength(), 255);  // the last letter whole, the one after it gone
    v.SetChar("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", 2);
    EXPECT_EQ(v.GetType(), 0x90002u);
    EXPECT_EQ(v.GetText(), "\xE2\x82\xAC\xE2\x82\xAC");
}

TEST(SRepVariant, ClearEmptiesWhileReleaseDataKeepsTheType) {
    SRepVariant v;
    v.SetText("x");
    v.ReleaseData();
    EXPECT_EQ(v.GetType(), 0xA0000u);
    EXPECT_EQ(v.GetText(), "");
    v.Clear();
    EXPECT_TRUE(v.IsEmpty());
}

TEST(SRepVariant, ObjectValuesHoldAReferenceThroughCopiesAndAssignment) {
    STestNodeRegistry::Construct();
    {
        SComWrap<ISRepSession> session;
        SRepSession::Create("s", &session);
        SComWrap<ISTestNode> node = MakeTestNode(session.Get(), "n");
        ISRepObject* object = node.Get();
        const int32_t before = SRepObjectMem::FromObject(object)->GetRefCount();
        SRepVariant v;
        v.SetIOBJECT(object);
        EXPECT_EQ(v.GetType(), 0x80030000u);
        EXPECT_EQ(v.GetIOBJECT(), object);
        {
            SRepVariant copy(v);
            SRepVariant assigned;
            assigned = copy;
            EXPECT_EQ(SRepObjectMem::FromObject(object)->GetRefCount(), before + 3);
            EXPECT_TRUE(assigned == v);
        }
        v.SetIOBJECT(object);  // setting the same object again keeps it alive
        EXPECT_EQ(SRepObjectMem::FromObject(object)->GetRefCount(), before + 1);
        SRepVariant moved(std::move(v));
        EXPECT_TRUE(v.IsEmpty());
        moved.Clear();
        EXPECT_EQ(SRepObjectMem::FromObject(object)->GetRefCount(), before);
        session->Close();
    }
    STestNodeRegistry::Destroy();
}
