// The type-library manager and its metaclasses: the report metamodel as start-up registers it, and
// libraries that must be refused whole.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/repo/SRepTypeLibFormat.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "rpt/resources/SRptMetadata.h"
#include "varod9/RptApi.h"

namespace {

constexpr GUID kReportLibraryId = MakeGUID("{D0E0A940-B731-11D1-8898-00A02455633B}");

GUID ReportClass(uint8_t nn) {
    GUID guid = MakeGUID("{A6BAC800-B730-11D1-8898-00A02455633B}");
    guid.Data1 |= nn;
    return guid;
}

const SRepMetaClass& Class(const char* name) {
    const SRepMetaClass* metaClass = GetTypeLibManager()->FindMetaClassByName(name);
    if (!metaClass) throw std::runtime_error(std::string("no metaclass ") + name);
    return *metaClass;
}

std::vector<uint8_t> Resource() {
    return std::vector<uint8_t>(SRptMetadata::GetData(), SRptMetadata::GetData() + SRptMetadata::GetSize());
}

// Registers bytes as a module's resource with a manager of its own, as start-up would.
HRESULT RegisterWithFreshManager(const std::vector<uint8_t>& bytes, SRepTypeLibManager& manager) {
    SModuleState module;
    module.AddResource("METADATA", 1000, bytes.data(), bytes.size());
    return manager.RegisterTypeLibResource(&module, 1000, 0, "METADATA");
}

// A small type library written by hand: classes without members, each with at most one base.
class TinyLibrary {
public:
    struct ClassDef {
        const char* name;
        GUID classId;
        const char* baseName;  // null: no base
        GUID baseClassId;
    };

    static std::vector<uint8_t> Build(const std::vector<ClassDef>& classes) {
        TinyLibrary lib;
        lib.U32(SRepTypeLibFormat::kMagic);
        for (int i = 0; i < 28; ++i) lib.U8(0);
        lib.U8(3);
        lib.Str("Tst");
        lib.Str("Tiny");
        lib.Guid(MakeGUID("{11111111-2222-3333-4444-555555555555}"));
        for (int i = 0; i < 4; ++i) lib.U32(0);
        lib.U32(0);  // no referenced library
        lib.U32(static_cast<uint32_t>(classes.size()));
        for (const ClassDef& c : classes) {
            lib.Guid(SRepTypeLibFormat::kClassRecord);
            lib.U8(2);
            lib.Str(c.name);
            lib.Str(c.name);
            lib.U32(0x0C400);
            lib.Guid(c.classId);
            for (int i = 0; i < 3; ++i) lib.U32(0);
            lib.U32(c.baseName ? 1 : 0);
            if (c.baseName) {
                lib.Str(c.baseName);
                lib.Guid(c.baseClassId);
            }
            lib.U32(0);  // members
        }
        lib.U32(0);
        return lib.m_bytes;
    }

private:
    void U8(uint8_t v) { m_bytes.push_back(v); }
    void U32(uint32_t v) {
        for (int s = 0; s < 32; s += 8) U8(static_cast<uint8_t>(v >> s));
    }
    void Guid(const GUID& g) {
        uint8_t b[16];
        GUIDToBytes(g, b);
        m_bytes.insert(m_bytes.end(), b, b + 16);
    }
    void Str(const char* s) {
        U8(static_cast<uint8_t>(std::strlen(s) + 1));
        m_bytes.insert(m_bytes.end(), s, s + std::strlen(s) + 1);
    }
    std::vector<uint8_t> m_bytes;
};

constexpr GUID kTinyA = MakeGUID("{AAAAAAAA-0000-0000-0000-000000000001}");
constexpr GUID kTinyB = MakeGUID("{AAAAAAAA-0000-0000-0000-000000000002}");

}  // namespace

TEST(SRepTypeLibManager, StartUpRegistersEveryReportClassWithItsBase) {
    SRepTypeLibManager* manager = GetTypeLibManager();
    const SRepTypeLib* library = manager->FindTypeLib(kReportLibraryId);
    ASSERT_NE(library, nullptr);
    ASSERT_EQ(library->GetClassCount(), 36);
    for (int32_t i = 0; i < library->GetClassCount(); ++i) {
        const SRepMetaClass& c = library->GetClass(i);
        const SRepMetaClass* found = nullptr;
        EXPECT_EQ(manager->FindMetaClass(c.GetClassId(), &found), S_OK);
        EXPECT_EQ(found, &c);
        EXPECT_EQ(manager->FindMetaClassByName(c.GetQualifiedName()), &c);
        ASSERT_NE(c.GetBaseClass(), nullptr) << c.GetCodeName();
        EXPECT_EQ(c.GetBaseClass()->GetQualifiedName(), c.GetBaseName());
        EXPECT_EQ(c.GetBaseClass()->GetClassId(), c.GetBaseClassId());
    }
    EXPECT_EQ(Class("SRptBase").GetBaseClass(), manager->FindMetaClass(SRepTypeLibManager::CLSID_SRepObjectBase));
    EXPECT_EQ(Class("Rep::SRepObjectBase").GetBaseClass(), nullptr);
    EXPECT_EQ(manager->FindMetaClass(ReportClass(0xE9)), &Class("SRptPara"));
    EXPECT_EQ(manager->FindMetaClass(ReportClass(0xFA)), &Class("Rpt::SRptTabulation"));
    EXPECT_EQ(Class("SRptListRow").GetBaseClass(), &Class("SRptTableRow"));
}

TEST(SRepTypeLibManager, UnknownClassesAreNotFound) {
    SRepTypeLibManager* manager = GetTypeLibManager();
    const SRepMetaClass* found = &Class("SRptPara");
    EXPECT_EQ(manager->FindMetaClass(ReportClass(0xFB), &found), S_FALSE);
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(manager->FindMetaClass(ReportClass(0xE9), nullptr), E_POINTER);
    EXPECT_EQ(manager->FindMetaClassByName("SRptNothing"), nullptr);
    EXPECT_EQ(manager->FindMetaClassByName("Rep::SRptPara"), nullptr);  // wrong namespace
}

TEST(SRepMetaClass, IsKindOfFollowsTheBases) {
    const SRepMetaClass& folder = Class("SRptFolder");
    for (const char* base : {"SRptFolder", "SRptGroup", "SRptCustom", "SRptGrpMember", "SRptItem", "SRptParaContainer",
                             "SRptBase", "SRepObjectBase"})
        EXPECT_TRUE(folder.IsKindOf(Class(base).GetClassId())) << base;
    EXPECT_FALSE(folder.IsKindOf(Class("SRptPara").GetClassId()));
    EXPECT_FALSE(folder.IsKindOf(Class("SRptGrpTitle").GetClassId()));
    EXPECT_FALSE(Class("SRptBase").IsKindOf(Class("SRptPara").GetClassId()));
}

TEST(SRepMetaClass, FindsMembersByIdAndNameThroughItsBases) {
    // A class without members of its own answers with its base's.
    const SRepMetaClass& title = Class("SRptParaTitle");
    const SRepMetaAttribute* paraName = title.FindAttributeByName("ParaName");
    ASSERT_NE(paraName, nullptr);
    EXPECT_EQ(paraName->GetId(), 0x02006016u);
    EXPECT_EQ(paraName->GetOwner(), &Class("SRptPara"));
    EXPECT_EQ(title.FindAttribute(0x02006016), paraName);
    EXPECT_EQ(title.FindCollection(0x02006030)->GetCodeName(), "Tabs");
    EXPECT_EQ(title.FindMethodByName("GetNbTabs")->GetId(), 0x02006074u);
    EXPECT_EQ(title.FindMethod(0x02006077)->GetCodeName(), "GetFont");

    // Names mean different members in different chains.
    EXPECT_EQ(Class("SRptPara").FindAttributeByName("Alignment")->GetId(), 0x02006007u);
    EXPECT_EQ(Class("SRptTabulation").FindAttributeByName("Alignment")->GetId(), 0x02006052u);
    EXPECT_EQ(Class("SRptTableRow").FindAttributeByName("Alignment")->GetId(), 0x02006964u);
    EXPECT_EQ(Class("SRptListRow").FindAttributeByName("Alignment")->GetId(), 0x02006964u);
    EXPECT_EQ(Class("SRptGrpTitle").FindAttributeByName("Text")->GetId(), 0x02006340u);
    EXPECT_EQ(Class("SRptFolder").FindAttributeByName("Text")->GetId(), 0x02006380u);
    EXPECT_EQ(Class("SRptTitle").FindAttributeByName("Text")->GetId(), 0x02006401u);
    EXPECT_EQ(Class("SRptText").FindAttributeByName("Text")->GetId(), 0x020063E0u);
    EXPECT_EQ(Class("SRptTblCts").FindAttributeByName("Title")->GetId(), 0x02006480u);
    EXPECT_EQ(Class("SRptGrpText").FindAttributeByName("Title")->GetId(), 0x02006303u);
    EXPECT_EQ(Class("SRptPara").FindAttributeByName("Text"), nullptr);
    EXPECT_EQ(Class("SRptPara").FindAttribute(0x02006340), nullptr);

    // One id, declared by several classes: the nearest declaring class answers.
    const SRepMetaAttribute* label = Class("SRptGrpTitle").FindAttribute(0x0100000B);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetCodeName(), "LabelInTemplate");
    EXPECT_EQ(label->GetFlagsWord(), 0x40100u);
    EXPECT_EQ(label->GetW(), -4);
    EXPECT_EQ(Class("SRptParaItem").FindAttribute(0x0100000B)->GetFlagsWord(), 0x40100u);
    EXPECT_EQ(Class("SRptListCell").FindAttribute(0x0100000B)->GetFlagsWord(), 0x42900u);
    EXPECT_EQ(Class("SRptFormRow").FindAttribute(0x0100000B)->GetFlagsWord(), 0x42100u);
    EXPECT_EQ(Class("SRptReport").FindAttribute(0x0100000B)->GetFlagsWord(), 0x42000u);
    EXPECT_EQ(Class("SRptFormRow").FindAttribute(0x0100000B)->GetOwner(), &Class("SRptFormRow"));
    EXPECT_EQ(Class("SRptTblCts").FindAttribute(0x02006305)->GetOwner(), &Class("SRptTblCts"));
    EXPECT_EQ(Class("SRptGroup").FindAttribute(0x02006305)->GetOwner(), &Class("SRptCustom"));
    // Members of one kind are not found as another.
    EXPECT_EQ(Class("SRptPara").FindCollection(0x02006007), nullptr);
    EXPECT_EQ(Class("SRptReport").FindAttributeByName("Language"), nullptr);
}

TEST(SRepMetaClass, AnswersAttributeTypesAndFlagsAsTheReportClassesDo) {
    const SRepMetaClass& custom = Class("SRptCustom");
    EXPECT_EQ(custom.GetAttributeType(0x02006300), 0x00030000u);
    EXPECT_EQ(custom.GetAttributeType(0x02006304), 0x00030000u);
    for (uint32_t title : {0x02006301u, 0x02006302u, 0x02006303u, 0x02006305u, 0x02006306u, 0x02006308u})
        EXPECT_EQ(custom.GetAttributeType(title), 0x000A0000u) << std::hex << title;
    EXPECT_EQ(custom.GetAttributeType(0x02006307), 0x00040000u);
    for (uint32_t stored : {0x02006300u, 0x02006301u, 0x02006302u, 0x02006303u, 0x02006304u, 0x02006307u})
        EXPECT_EQ(custom.GetAttributeFlags(stored), 8u) << std::hex << stored;
    EXPECT_EQ(custom.GetAttributeFlags(0x02006305), 0x421u);
    EXPECT_EQ(custom.GetAttributeFlags(0x02006308), 0x421u);
    EXPECT_EQ(custom.GetAttributeFlags(0x02006306), 0x420u);
    EXPECT_TRUE(custom.FindAttribute(0x02006306)->IsComputed());
    EXPECT_FALSE(custom.FindAttribute(0x02006307)->IsComputed());

    const SRepMetaClass& row = Class("SRptFormRow");
    EXPECT_EQ(row.GetAttributeType(0x0100000B), 0x000900FEu);
    EXPECT_EQ(row.GetAttributeFlags(0x0100000B), 0x421u);
    EXPECT_EQ(row.GetAttributeType(0x02006930), 0x000A0000u);
    EXPECT_EQ(row.GetAttributeFlags(0x02006930), 0x409u);
    // Inherited from the table row; -1 and unknown ids answer 0.
    EXPECT_EQ(row.GetAttributeType(0x02006968), 0x00040000u);
    EXPECT_EQ(row.GetAttributeFlags(0x02006968), 8u);
    EXPECT_EQ(row.GetAttributeType(static_cast<uint32_t>(-1)), 0u);
    EXPECT_EQ(row.GetAttributeFlags(static_cast<uint32_t>(-1)), 0u);
    EXPECT_EQ(row.GetAttributeType(0x02006090), 0u);  // a collection, not an attribute
    EXPECT_EQ(Class("SRptTemplate").GetAttributeType(0x02006208), 0x000F0000u);
}

TEST(SRepMetaClass, CollectionsKnowBothEndsOfTheirRelationship) {
    const SRepMetaCollection* paragraphs = Class("SRptItem").FindCollectionByName("Paragraphs");
    ASSERT_NE(paragraphs, nullptr);
    EXPECT_TRUE(paragraphs->IsOwningEnd());
    EXPECT_EQ(paragraphs->GetId(), 0x02006090u);
    EXPECT_EQ(paragraphs->GetInverseId(), 0x02806090u);
    EXPECT_EQ(paragraphs->GetElementClassId(), Class("SRptPara").GetClassId());
    EXPECT_EQ(paragraphs->GetOwner(), &Class("SRptParaContainer"));

    const SRepMetaCollection* back = Class("SRptParaFooter").FindCollection(0x02806090);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->IsInverseEnd());
    EXPECT_EQ(back->GetOwningId(), 0x02006090u);
    EXPECT_EQ(back->GetElementClassId(), Class("SRptParaContainer").GetClassId());

    // Every owning end whose element class is a report class finds its inverse end there, with
    // the same kind word but for bit 31.
    const SRepTypeLib* library = GetTypeLibManager()->FindTypeLib(kReportLibraryId);
    int32_t relationships = 0;
    for (int32_t i = 0; i < library->GetClassCount(); ++i)
        for (const SRepMetaCollection& owning : library->GetClass(i).GetCollections()) {
            if (owning.IsInverseEnd() || !owning.HasElementClass()) continue;
            const SRepMetaClass* element = GetTypeLibManager()->FindMetaClass(owning.GetElementClassId());
            ASSERT_NE(element, nullptr) << owning.GetCodeName();
            if (element->GetTypeLib() != library) continue;
            const SRepMetaCollection* inverse = element->FindCollection(owning.GetInverseId());
            ASSERT_NE(inverse, nullptr) << owning.GetCodeName();
            EXPECT_EQ(inverse->GetKindWord(), owning.GetKindWord() | 0x80000000u) << owning.GetCodeName();
            EXPECT_TRUE(library->GetClass(i).IsKindOf(inverse->GetElementClassId())) << owning.GetCodeName();
            ++relationships;
        }
    EXPECT_EQ(relationships, 7);  // Tabs, Paragraphs, Items, Cells, Rows, Templates, Availables

    // The sessions' class comes from the framework's own library.
    const SRepMetaCollection* sessions = Class("SRptAvailableItems").FindCollectionByName("ExtSess");
    ASSERT_NE(sessions, nullptr);
    EXPECT_EQ(GetTypeLibManager()->FindMetaClass(sessions->GetElementClassId()), &Class("Rep::SRepSessionExtern"));
}

TEST(SRepTypeLibManager, RegistersALibraryOnce) {
    SRepTypeLibManager* manager = GetTypeLibManager();
    const SRepMetaClass* para = &Class("SRptPara");
    manager->ClearRegistrations();
    EXPECT_EQ(manager->RegisterTypeLibResource(SRptGetModuleState(), 1000, 0, "METADATA"), S_FALSE);
    EXPECT_EQ(manager->FindMetaClass(ReportClass(0xE9)), para);
    ASSERT_EQ(manager->GetRegistrations().size(), 1u);
    EXPECT_EQ(manager->GetRegistrations()[0].result, S_FALSE);

    SRepTypeLibManager fresh;
    EXPECT_EQ(RegisterWithFreshManager(Resource(), fresh), S_OK);
    EXPECT_EQ(fresh.FindTypeLib(kReportLibraryId)->GetClassCount(), 36);
    EXPECT_EQ(RegisterWithFreshManager(Resource(), fresh), S_FALSE);
    EXPECT_EQ(fresh.RegisterTypeLib(SRptMetadata::GetData(), SRptMetadata::GetSize()), S_FALSE);
}

TEST(SRepTypeLibManager, MissingResourcesAndArgumentsRegisterNothing) {
    SRepTypeLibManager manager;
    SModuleState empty;
    EXPECT_EQ(manager.RegisterTypeLibResource(&empty, 1000, 0, "METADATA"), E_FAIL);
    EXPECT_EQ(manager.RegisterTypeLibResource(SRptGetModuleState(), 1001, 0, "METADATA"), E_FAIL);
    EXPECT_EQ(manager.RegisterTypeLibResource(nullptr, 1000, 0, "METADATA"), E_INVALIDARG);
    EXPECT_EQ(manager.RegisterTypeLibResource(SRptGetModuleState(), 1000, 0, nullptr), E_INVALIDARG);
    EXPECT_EQ(manager.RegisterTypeLib(nullptr, 0), E_IOFAILURE);
    EXPECT_EQ(manager.GetRegistrations().size(), 4u);
    EXPECT_EQ(manager.FindTypeLib(kReportLibraryId), nullptr);
    // The framework's own classes are there from the start.
    EXPECT_NE(manager.FindMetaClassByName("Rep::SRepObjectBase"), nullptr);
    EXPECT_NE(manager.FindMetaClass(SRepTypeLibManager::CLSID_SRepSessionExtern), nullptr);
}

TEST(SRepTypeLibManager, RefusesCorruptedCopiesOfTheResourceWhole) {
    const std::vector<std::pair<const char*, std::function<void(std::vector<uint8_t>&)>>> corruptions = {
        {"class count + 1", [](auto& b) { b[100] += 1; }},
        {"class count - 1", [](auto& b) { b[100] -= 1; }},
        {"huge class count", [](auto& b) { b[103] = 0x7F; }},
        {"member count of SRptBase", [](auto& b) { b[221] = 1; }},
        {"last byte cut off", [](auto& b) { b.pop_back(); }},
        {"trailing byte", [](auto& b) { b.push_back(0); }},
        {"trailer not 0", [](auto& b) { b.back() = 1; }},
        {"attribute kind where a class is due", [](auto& b) { b[104] = 0xE7; }},
        {"magic", [](auto& b) { b[0] = 0; }},
        {"string without its 0", [](auto& b) { b[37] = 'x'; }},
        {"base name disagrees with its GUID", [](auto& b) { b[203] = 'X'; }},
        {"base GUID unknown", [](auto& b) { b[205] ^= 0xFF; }},
    };
    for (const auto& [what, corrupt] : corruptions) {
        std::vector<uint8_t> bytes = Resource();
        corrupt(bytes);
        SRepTypeLibManager manager;
        EXPECT_TRUE(FAILED(RegisterWithFreshManager(bytes, manager))) << what;
        EXPECT_EQ(manager.FindTypeLib(kReportLibraryId), nullptr) << what;
        EXPECT_EQ(manager.FindMetaClass(ReportClass(0xD0)), nullptr) << what;
        EXPECT_EQ(manager.FindMetaClassByName("SRptPara"), nullptr) << what;
    }
}

TEST(SRepTypeLibManager, RefusesEveryTruncation) {
    const std::vector<uint8_t> bytes = Resource();
    SRepTypeLibManager manager;
    for (size_t size = 0; size < bytes.size(); size += (size < 300 || size > bytes.size() - 300) ? 1 : 97)
        ASSERT_EQ(manager.RegisterTypeLib(bytes.data(), size), E_IOFAILURE) << size;
    EXPECT_EQ(manager.FindTypeLib(kReportLibraryId), nullptr);
}

TEST(SRepTypeLibManager, BindsBasesAcrossTheLibraryAndRefusesUnsoundOnes) {
    const GUID objectBase = SRepTypeLibManager::CLSID_SRepObjectBase;
    {
        // A base may come after the class that names it.
        SRepTypeLibManager manager;
        auto bytes = TinyLibrary::Build({{"A", kTinyA, "Tst::B", kTinyB}, {"B", kTinyB, "Rep::SRepObjectBase", objectBase}});
        ASSERT_EQ(manager.RegisterTypeLib(bytes.data(), bytes.size()), S_OK);
        EXPECT_EQ(manager.FindMetaClass(kTinyA)->GetBaseClass(), manager.FindMetaClass(kTinyB));
        EXPECT_TRUE(manager.FindMetaClassByName("Tst::A")->IsKindOf(objectBase));
    }
    const std::vector<std::pair<const char*, std::vector<TinyLibrary::ClassDef>>> unsound = {
        {"cycle", {{"A", kTinyA, "Tst::B", kTinyB}, {"B", kTinyB, "Tst::A", kTinyA}}},
        {"own base", {{"A", kTinyA, "Tst::A", kTinyA}}},
        {"name of one class, GUID of another", {{"A", kTinyA, "Tst::B", objectBase}, {"B", kTinyB, nullptr, {}}}},
        {"unqualified base name", {{"A", kTinyA, "SRepObjectBase", objectBase}}},
        {"GUID taken by the framework", {{"A", SRepTypeLibManager::CLSID_SRepSessionExtern, nullptr, {}}}},
        {"GUID twice", {{"A", kTinyA, nullptr, {}}, {"B", kTinyA, nullptr, {}}}},
        {"name twice", {{"A", kTinyA, nullptr, {}}, {"A", kTinyB, nullptr, {}}}},
    };
    for (const auto& [what, classes] : unsound) {
        SRepTypeLibManager manager;
        auto bytes = TinyLibrary::Build(classes);
        EXPECT_EQ(manager.RegisterTypeLib(bytes.data(), bytes.size()), E_FAIL) << what;
        EXPECT_EQ(manager.FindMetaClass(kTinyA), nullptr) << what;
        EXPECT_EQ(manager.FindMetaClassByName("Tst::A"), nullptr) << what;
    }
}
