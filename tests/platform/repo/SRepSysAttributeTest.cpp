// The repository's own attributes of every object: readable by id with the type words of the
// metamodel's type codes, on framework objects and on report objects alike, and declared by the
// framework's type library so that look-ups through any report metaclass find them.
#include <gtest/gtest.h>

#include <string>

#include "support/SRepTestFixture.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepVariant.h"

namespace {

struct SysAttribute {
    int32_t id;
    const char* codeName;
    uint32_t type;
};

// The element names and type words of the name tables of older template files.
constexpr SysAttribute kNamed[] = {
    {0x01000001, "OID", 0x00010000},  {0x0100000A, "Parent", 0x80030000}, {0x0100000C, "ClssName", 0x000A0000},
    {0x01000010, "CDAT", 0x00080000}, {0x01000011, "CUSR", 0x00090050},   {0x01000012, "MDAT", 0x00080000},
    {0x01000013, "MUSR", 0x00090050},
};
// Every id a report object has besides its class's own.
constexpr int32_t kEveryObjectHas[] = {0x01000001, 0x0100000A, 0x0100000C, 0x01000010, 0x01000011, 0x01000012,
                                       0x01000013, 0x01000019, 0x0100001B, 0x0100003F, 0x0100004D};

constexpr GUID kParagraphClass = MakeGUID("{A6BAC8E9-B730-11D1-8898-00A02455633B}");
constexpr GUID kTabStopClass = MakeGUID("{A6BAC8FA-B730-11D1-8898-00A02455633B}");

class SRepSysAttributes : public SRepTestFixture {
protected:
    SComWrap<ISRepObject> Report(const GUID& clsid) {
        SComWrap<ISRepObject> object;
        EXPECT_EQ(session->CreateObject(clsid, reinterpret_cast<void**>(&object), ISRepObject::iid), S_OK);
        return object;
    }
    static SRepVariant Read(ISRepObject* object, int32_t id) {
        SRepVariant value;
        EXPECT_EQ(object->GetAttribute(id, &value), S_OK) << std::hex << id;
        return value;
    }
    // Every id is known, reads, and reads as the type the object says it has.
    static void ExpectEveryIdReadsWithItsType(ISRepObject* object) {
        for (int32_t id : kEveryObjectHas) {
            SCOPED_TRACE(testing::Message() << std::hex << id);
            EXPECT_TRUE(object->HasAttribute(id));
            const SRepVariant value = Read(object, id);
            EXPECT_NE(object->GetAttributeType(id), 0u);
            EXPECT_EQ(value.GetType(), object->GetAttributeType(id));
        }
        for (const SysAttribute& named : kNamed) {
            EXPECT_EQ(object->GetAttributeType(named.id), named.type) << named.codeName;
            EXPECT_EQ(Read(object, named.id).GetType(), named.type) << named.codeName;
        }
    }
};

}  // namespace

TEST_F(SRepSysAttributes, FrameworkAndReportObjectsReadEveryIdWithItsType) {
    SComWrap<ISTestNode> node = Node("n");
    ExpectEveryIdReadsWithItsType(node.Get());
    for (const GUID& clsid : {kParagraphClass, kTabStopClass}) {
        SCOPED_TRACE(GUIDToString(clsid));
        ExpectEveryIdReadsWithItsType(Report(clsid).Get());
    }
}

TEST_F(SRepSysAttributes, ParentIsTheOwnerAndCannotBeSet) {
    SComWrap<ISTestNode> root = Node("root");
    SComWrap<ISTestNode> child;
    ASSERT_EQ(root->CreateObject(CLSID_STestNode, reinterpret_cast<void**>(&child), ISTestNode::iid, NODE_ITEMS), S_OK);

    SRepVariant parent = Read(child.Get(), 0x0100000A);
    EXPECT_EQ(parent.GetType(), 0x80030000u);
    EXPECT_TRUE(root.IsEqualObject(parent.GetIOBJECT()));
    EXPECT_EQ(Read(root.Get(), 0x0100000A).GetIOBJECT(), nullptr);  // a free object has none
    EXPECT_EQ(Read(root.Get(), 0x0100000A).GetType(), 0x80030000u);

    parent.Clear();
    SComWrap<ISRepClassCol> items;
    ASSERT_EQ(root->GetCollection(NODE_ITEMS, &items), S_OK);
    ASSERT_EQ(items->Remove(0), S_OK);
    EXPECT_EQ(Read(child.Get(), 0x0100000A).GetIOBJECT(), nullptr);

    SRepVariant other;
    other.SetIOBJECT(root.Get());
    EXPECT_TRUE(FAILED(child->SetAttribute(0x0100000A, other)));
    EXPECT_EQ(Read(child.Get(), 0x0100000A).GetIOBJECT(), nullptr);
    EXPECT_EQ(child->GetAttributeFlags(0x0100000A), 0x400u);
}

TEST_F(SRepSysAttributes, ClassNameIsTheCodeNameOfTheObjectsMetaclass) {
    EXPECT_EQ(Read(Report(kParagraphClass).Get(), 0x0100000C).GetText(), "SRptPara");
    EXPECT_EQ(Read(Report(kTabStopClass).Get(), 0x0100000C).GetText(), "SRptTabulation");
    // No type library declares the test class.
    SComWrap<ISTestNode> node = Node("n");
    const SRepVariant name = Read(node.Get(), 0x0100000C);
    EXPECT_EQ(name.GetType(), 0x000A0000u);
    EXPECT_EQ(name.GetText(), "");
    SRepVariant text;
    text.SetText("SRptReport");
    EXPECT_TRUE(FAILED(node->SetAttribute(0x0100000C, text)));
    EXPECT_EQ(Read(node.Get(), 0x0100000C).GetText(), "");
}

TEST_F(SRepSysAttributes, UsersKeepEightyCharactersWithoutCuttingOneInTwo) {
    SComWrap<ISRepObject> para = Report(kParagraphClass);
    // 79 letters, then two letters of two bytes each: the 80th stays whole, the 81st goes.
    const SString long2(std::string(79, 'u') + "\xC3\xA9\xC3\xA9");
    ASSERT_EQ(para->SetSysCreationInfo(long2, 1000), S_OK);
    for (int32_t user : {0x01000011, 0x01000013}) {
        const SRepVariant value = Read(para.Get(), user);
        EXPECT_EQ(value.GetType(), 0x00090050u);
        EXPECT_EQ(value.GetText(), SString(std::string(79, 'u') + "\xC3\xA9"));
    }
    EXPECT_EQ(Read(para.Get(), 0x01000010).GetDATE(), 1000);
    EXPECT_EQ(Read(para.Get(), 0x01000012).GetDATE(), 1000);

    // Eighty letters of three bytes fit; through SetAttribute the same limit holds.
    std::string euros;
    for (int i = 0; i < 81; ++i) euros += "\xE2\x82\xAC";
    SRepVariant value;
    value.SetText(SString(euros));
    EXPECT_EQ(para->SetAttribute(0x01000013, value), S_OK);
    EXPECT_EQ(Read(para.Get(), 0x01000013).GetText(), SString(euros.substr(0, 240)));
    EXPECT_EQ(Read(para.Get(), 0x01000011).GetText().GetCharCount(), 80);  // the creator stays
}

TEST_F(SRepSysAttributes, ReservedWordsAreStoredAndCopied) {
    SComWrap<ISTestNode> node = Node("n");
    SRepVariant value;
    for (int32_t id : {0x01000019, 0x0100001B, 0x0100003F, 0x0100004D}) {
        EXPECT_EQ(Read(node.Get(), id).GetInt(), 0) << std::hex << id;
        value.SetInt(id & 0xFF);
        EXPECT_EQ(node->SetAttribute(id, value), S_OK) << std::hex << id;
    }
    value.SetText("not a number");
    EXPECT_EQ(node->SetAttribute(0x01000019, value), DISP_E_TYPEMISMATCH);
    SComWrap<ISRepObject> copy;
    ASSERT_EQ(node->Duplicate(nullptr, 0, nullptr, &copy), S_OK);
    for (int32_t id : {0x01000019, 0x0100001B, 0x0100003F, 0x0100004D})
        EXPECT_EQ(Read(copy.Get(), id).GetInt(), id & 0xFF) << std::hex << id;
    copy->Delete();
}

TEST(SRepSysAttributeMetaclass, EveryReportMetaclassFindsThemThroughItsBases) {
    SRepTypeLibManager* manager = GetTypeLibManager();
    const SRepMetaClass* para = manager->FindMetaClassByName("Rpt::SRptPara");
    const SRepMetaClass* root = manager->FindMetaClass(MakeGUID("{362D41E0-9D82-11D1-8E5D-444553540000}"));
    const SRepMetaClass* objectBase = manager->FindMetaClass(MakeGUID("{362D41EA-9D82-11D1-8E5D-444553540000}"));
    ASSERT_NE(para, nullptr);
    ASSERT_NE(root, nullptr);
    ASSERT_NE(objectBase, nullptr);
    EXPECT_EQ(objectBase->GetBaseClass(), root);
    EXPECT_EQ(root->GetBaseClass(), nullptr);
    EXPECT_TRUE(para->IsKindOf(root->GetClassId()));

    for (const SysAttribute& named : kNamed) {
        SCOPED_TRACE(named.codeName);
        const SRepMetaAttribute* byName = para->FindAttributeByName(named.codeName);
        ASSERT_NE(byName, nullptr);
        EXPECT_EQ(byName, para->FindAttribute(static_cast<uint32_t>(named.id)));
        EXPECT_EQ(byName->GetId(), static_cast<uint32_t>(named.id));
        EXPECT_EQ(para->GetAttributeType(static_cast<uint32_t>(named.id)), named.type);
        // The owner and the class name belong to every repository object, the rest to the base.
        const bool everyObject = named.id == 0x0100000A || named.id == 0x0100000C;
        EXPECT_EQ(byName->GetOwner(), everyObject ? root : objectBase);
        EXPECT_EQ(byName->IsComputed(), everyObject);
    }
    // The nearest declaration wins: DispName belongs to the paragraph, Name to no paragraph.
    EXPECT_EQ(para->FindAttribute(0x0100000B)->GetOwner(), para);
    EXPECT_EQ(para->FindAttribute(0x01000002), nullptr);
}

TEST(SRepSysAttributeMetaclass, ReportObjectsAnswerAsTheMetaclassesDeclare) {
    SComWrap<ISRepSession> session;
    ASSERT_EQ(SRepSession::Create("test", &session), S_OK);
    for (const GUID& clsid : {kParagraphClass, kTabStopClass}) {
        SComWrap<ISRepObject> object;
        ASSERT_EQ(session->CreateObject(clsid, reinterpret_cast<void**>(&object), ISRepObject::iid), S_OK);
        const SRepMetaClass* metaClass = GetTypeLibManager()->FindMetaClass(clsid);
        ASSERT_NE(metaClass, nullptr);
        for (int32_t id : kEveryObjectHas) {
            SCOPED_TRACE(testing::Message() << GUIDToString(clsid) << std::hex << " 0x" << id);
            ASSERT_NE(metaClass->FindAttribute(static_cast<uint32_t>(id)), nullptr);
            EXPECT_EQ(object->GetAttributeType(id), metaClass->GetAttributeType(static_cast<uint32_t>(id)));
            EXPECT_EQ(object->GetAttributeFlags(id), metaClass->GetAttributeFlags(static_cast<uint32_t>(id)));
        }
    }
    session->Close();
}
