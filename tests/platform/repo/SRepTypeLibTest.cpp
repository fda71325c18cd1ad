// The type-library manager and its metaclasses: the report metamodel as start-up registers it, and
// libraries that must be refused whole.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepSessionExtern.h"
#include "platform/repo/SRepTypeLibFormat.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepTypeLibReader.h"
#include "platform/repo/SRepTypeLibWriter.h"
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

// A small type library: classes without members, each with at most one base.
struct TinyClass {
    const char* name;
    GUID classId;
    const char* baseName;  // null: no base
    GUID baseClassId;
};

void WriteTinyHeader(SRepTypeLibWriter& writer, uint32_t classCount) {
    SRepTypeLibWriter::Header header;
    header.nameSpace = "Tst";
    header.name = "Tiny";
    header.libraryId = MakeGUID("{11111111-2222-3333-4444-555555555555}");
    writer.WriteHeader(header, classCount);
}

std::vector<uint8_t> TinyLibrary(const std::vector<TinyClass>& classes) {
    SRepTypeLibWriter writer;
    WriteTinyHeader(writer, static_cast<uint32_t>(classes.size()));
    for (const TinyClass& c : classes) {
        SRepTypeLibWriter::Class record;
        record.codeName = record.displayName = c.name;
        record.flags = 0x0C400;
        record.classId = c.classId;
        if (c.baseName) {
            record.baseName = c.baseName;
            record.baseClassId = c.baseClassId;
        }
        writer.WriteClass(record, 0);
    }
    writer.WriteTrailer();
    return writer.TakeBytes();
}

// Class n of a generated library: "C<n>", with one attribute "A<n>" of id 0x02100000 + n.
GUID GeneratedClass(uint32_t n) {
    GUID guid = MakeGUID("{00000000-5EED-4C1A-8000-000000000000}");
    guid.Data1 = n;
    return guid;
}

std::string GeneratedName(uint32_t n) {
    return "C" + std::to_string(n);
}

// `count` classes, class n on the class `baseOf(n)` of the library, or on the repository object
// base for a negative answer.
std::vector<uint8_t> GeneratedLibrary(uint32_t count, const std::function<int64_t(uint32_t)>& baseOf) {
    SRepTypeLibWriter writer;
    WriteTinyHeader(writer, count);
    for (uint32_t n = 0; n < count; ++n) {
        const std::string name = GeneratedName(n);
        const int64_t base = baseOf(n);
        const std::string baseName = base < 0 ? "Rep::SRepObjectBase" : "Tst::" + GeneratedName(uint32_t(base));
        SRepTypeLibWriter::Class record;
        record.codeName = record.displayName = name;
        record.classId = GeneratedClass(n);
        record.baseName = baseName;
        record.baseClassId = base < 0 ? CLSID_SRepObjectBase : GeneratedClass(uint32_t(base));
        writer.WriteClass(record, 1);
        const std::string attributeName = "A" + std::to_string(n);
        SRepTypeLibWriter::Attribute attribute;
        attribute.codeName = attribute.displayName = attributeName;
        attribute.id = 0x02100000 + n;
        attribute.typeWord = 0x03000000;
        writer.WriteAttribute(attribute);
    }
    writer.WriteTrailer();
    return writer.TakeBytes();
}

// Each class on the one before it, the first on the repository object base.
std::vector<uint8_t> ChainLibrary(uint32_t count) {
    return GeneratedLibrary(count, [](uint32_t n) { return int64_t(n) - 1; });
}

constexpr GUID kTinyA = MakeGUID("{AAAAAAAA-0000-0000-0000-000000000001}");
constexpr GUID kTinyB = MakeGUID("{AAAAAAAA-0000-0000-0000-000000000002}");

// The head of a library of one class, "Tst::A" on the repository object base, whose
// `memberCount` members the caller writes next.
void WriteOneClass(SRepTypeLibWriter& writer, uint32_t memberCount) {
    WriteTinyHeader(writer, 1);
    SRepTypeLibWriter::Class record;
    record.codeName = record.displayName = "A";
    record.classId = kTinyA;
    record.baseName = "Rep::SRepObjectBase";
    record.baseClassId = CLSID_SRepObjectBase;
    writer.WriteClass(record, memberCount);
}

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
    EXPECT_EQ(Class("SRptBase").GetBaseClass(), manager->FindMetaClass(CLSID_SRepObjectBase));
    EXPECT_EQ(Class("Rep::SRepObjectBase").GetBaseClass(), &Class("Rep::SRepObject"));
    EXPECT_EQ(Class("Rep::SRepObject").GetBaseClass(), nullptr);
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
    EXPECT_NE(manager.FindMetaClass(CLSID_SRepSessionExtern), nullptr);
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

TEST(SRepTypeLibManager, RefusesEveryTruncationAndTellsWhereItRanOut) {
    const std::vector<uint8_t> bytes = Resource();
    SRepTypeLibManager manager;
    for (size_t size = 0; size < bytes.size(); size += (size < 300 || size > bytes.size() - 300) ? 1 : 97) {
        ASSERT_EQ(manager.RegisterTypeLib(bytes.data(), size), E_IOFAILURE) << size;
        std::unique_ptr<SRepTypeLib> library;
        const SReadResult read = SRepTypeLibReader(bytes.data(), size).Read(library);
        ASSERT_EQ(read.code, E_IOFAILURE) << size;
        ASSERT_LE(read.offset, size);
        EXPECT_EQ(library, nullptr);
    }
    EXPECT_EQ(manager.FindTypeLib(kReportLibraryId), nullptr);

    // The field that runs past the end: the class count at 100 in the header of 104 bytes; the
    // trailer in the last 4 of 33,313.
    std::unique_ptr<SRepTypeLib> library;
    EXPECT_EQ(SRepTypeLibReader(bytes.data(), 102).Read(library).offset, 100u);
    EXPECT_EQ(SRepTypeLibReader(bytes.data(), 33312).Read(library).offset, 33309u);
}

TEST(SRepTypeLibReader, TellsWhereTheFirstBadRecordOrFieldBegins) {
    const std::vector<std::tuple<const char*, std::function<void(std::vector<uint8_t>&)>, uint64_t>> corruptions = {
        {"magic", [](auto& b) { b[0] = 0; }, 0},
        {"namespace without its 0", [](auto& b) { b[37] = 'x'; }, 33},
        {"attribute kind where the first class is due", [](auto& b) { b[104] = 0xE7; }, 104},
        // The member record read where the second class begins, right after the first.
        {"member count of SRptBase", [](auto& b) { b[221] = 1; }, 225},
        // One class more: its record would begin at the trailer and runs past the end.
        {"class count + 1", [](auto& b) { b[100] += 1; }, 33309},
        {"trailing byte", [](auto& b) { b.push_back(0); }, 33313},
        {"trailer not 0", [](auto& b) { b.back() = 1; }, 33309},
    };
    for (const auto& [what, corrupt, offset] : corruptions) {
        std::vector<uint8_t> bytes = Resource();
        corrupt(bytes);
        std::unique_ptr<SRepTypeLib> library;
        const SReadResult read = SRepTypeLibReader(bytes.data(), bytes.size()).Read(library);
        EXPECT_EQ(read.code, E_IOFAILURE) << what;
        EXPECT_EQ(read.offset, offset) << what;
        EXPECT_EQ(read.line, 0u) << what;  // bytes have no lines

        // The registration's record keeps the offset.
        SRepTypeLibManager manager;
        EXPECT_EQ(RegisterWithFreshManager(bytes, manager), E_IOFAILURE) << what;
        ASSERT_EQ(manager.GetRegistrations().size(), 1u);
        EXPECT_EQ(manager.GetRegistrations()[0].errorOffset, offset) << what;
    }
}

TEST(SRepTypeLibReader, TellsTheIdOfAMemberDeclaredTwice) {
    SRepTypeLibWriter writer;
    WriteOneClass(writer, 2);
    SRepTypeLibWriter::Attribute attribute;
    attribute.codeName = attribute.displayName = "X";
    attribute.id = 0x02100000;
    writer.WriteAttribute(attribute);
    const size_t second = writer.GetBytes().size();
    writer.WriteAttribute(attribute);
    writer.WriteTrailer();
    const std::vector<uint8_t> bytes = writer.TakeBytes();
    std::unique_ptr<SRepTypeLib> library;
    const SReadResult read = SRepTypeLibReader(bytes.data(), bytes.size()).Read(library);
    EXPECT_EQ(read.code, E_IOFAILURE);
    // Kind 16, mark 1, two names of 3 bytes each: the id follows.
    EXPECT_EQ(read.offset, second + 16 + 1 + 3 + 3);
}

TEST(SRepTypeLibManager, RegistersAChainOfTwentyThousandClasses) {
    constexpr uint32_t kCount = 20000;
    const std::vector<uint8_t> bytes = ChainLibrary(kCount);
    SRepTypeLibManager manager;
    ASSERT_EQ(manager.RegisterTypeLib(bytes.data(), bytes.size()), S_OK);

    for (uint32_t n = 0; n < kCount; ++n) {
        const SRepMetaClass* metaClass = manager.FindMetaClass(GeneratedClass(n));
        ASSERT_NE(metaClass, nullptr) << n;
        ASSERT_EQ(metaClass->GetCodeName(), SString(GeneratedName(n))) << n;
        ASSERT_EQ(manager.FindMetaClassByName(SString(GeneratedName(n))), metaClass) << n;
        ASSERT_EQ(manager.FindMetaClassByName(SString("Tst::" + GeneratedName(n))), metaClass) << n;
        ASSERT_EQ(metaClass->GetBaseClass(), n == 0 ? manager.FindMetaClass(CLSID_SRepObjectBase)
                                                    : manager.FindMetaClass(GeneratedClass(n - 1)))
            << n;
    }

    // From the deepest class the chain runs through every class to the repository's root.
    const SRepMetaClass* deepest = manager.FindMetaClass(GeneratedClass(kCount - 1));
    uint32_t length = 0;
    for (const SRepMetaClass* c = deepest; c; c = c->GetBaseClass()) ++length;
    EXPECT_EQ(length, kCount + 2);
    EXPECT_TRUE(deepest->IsKindOf(GeneratedClass(0)));
    EXPECT_TRUE(deepest->IsKindOf(CLSID_SRepObject));
    EXPECT_FALSE(manager.FindMetaClass(GeneratedClass(0))->IsKindOf(GeneratedClass(1)));

    // Members of every class of the chain, by id and by name, the repository's own included.
    const SRepMetaAttribute* first = deepest->FindAttribute(0x02100000);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetOwner(), manager.FindMetaClass(GeneratedClass(0)));
    EXPECT_EQ(deepest->FindAttributeByName("A0"), first);
    EXPECT_EQ(deepest->FindAttribute(0x02100000 + kCount - 1)->GetCodeName(), SString("A" + std::to_string(kCount - 1)));
    EXPECT_EQ(deepest->GetAttributeType(0x02100000 + kCount / 2), 0x00030000u);
    EXPECT_EQ(deepest->FindAttribute(0x02100000 + kCount), nullptr);
    ASSERT_NE(deepest->FindAttributeByName("OID"), nullptr);
    EXPECT_EQ(deepest->FindAttributeByName("OID")->GetId(), 0x01000001u);
    EXPECT_EQ(deepest->GetAttributeType(0x0100000A), 0x80030000u);
}

TEST(SRepTypeLibManager, RefusesALoopAmongGeneratedClasses) {
    const std::vector<std::pair<const char*, std::function<int64_t(uint32_t)>>> loops = {
        // Class 0 on the last one: the whole library is one ring.
        {"ring", [](uint32_t n) { return n == 0 ? int64_t(1999) : int64_t(n) - 1; }},
        // A sound chain from 0 to 999, and a ring from 1000 to 1999.
        {"ring after a chain", [](uint32_t n) { return n == 1000 ? int64_t(1999) : int64_t(n) - 1; }},
        // A chain whose last class stands on itself, reached from every other.
        {"own base at the end", [](uint32_t n) { return n == 1999 ? int64_t(1999) : int64_t(n) + 1; }},
    };
    for (const auto& [what, baseOf] : loops) {
        const std::vector<uint8_t> bytes = GeneratedLibrary(2000, baseOf);
        SRepTypeLibManager manager;
        EXPECT_EQ(manager.RegisterTypeLib(bytes.data(), bytes.size()), E_FAIL) << what;
        EXPECT_EQ(manager.FindMetaClass(GeneratedClass(0)), nullptr) << what;
        EXPECT_EQ(manager.FindMetaClassByName("C0"), nullptr) << what;
    }
    // Many classes on shared bases, in any order, are no loop: a tree whose classes name bases
    // that come later in the library.
    const std::vector<uint8_t> tree =
        GeneratedLibrary(2000, [](uint32_t n) { return n == 1999 ? int64_t(-1) : int64_t(1999 - (1999 - n) / 2); });
    SRepTypeLibManager manager;
    ASSERT_EQ(manager.RegisterTypeLib(tree.data(), tree.size()), S_OK);
    EXPECT_TRUE(manager.FindMetaClass(GeneratedClass(0))->IsKindOf(GeneratedClass(1999)));
}

TEST(SRepTypeLibManager, RefusesALibraryOfMoreThanSixteenMiB) {
    // One class with more attributes of the longest names than fit into 16 MiB.
    const std::string longName(254, 'n');
    constexpr uint32_t kAttributes = 20700;  // of 814 bytes each
    SRepTypeLibWriter writer;
    WriteOneClass(writer, kAttributes);
    SRepTypeLibWriter::Attribute attribute;
    attribute.codeName = attribute.displayName = attribute.defaultValue = longName;
    for (uint32_t n = 0; n < kAttributes; ++n) {
        attribute.id = 0x02100000 + n;
        writer.WriteAttribute(attribute);
    }
    writer.WriteTrailer();
    const std::vector<uint8_t> bytes = writer.TakeBytes();
    ASSERT_GT(bytes.size(), size_t{16} << 20);

    std::unique_ptr<SRepTypeLib> library;
    const SReadResult read = SRepTypeLibReader(bytes.data(), bytes.size()).Read(library);
    EXPECT_EQ(read.code, E_IOFAILURE);
    EXPECT_EQ(read.offset, uint64_t{16} << 20);
    SRepTypeLibManager manager;
    EXPECT_EQ(RegisterWithFreshManager(bytes, manager), E_IOFAILURE);
    EXPECT_EQ(manager.FindMetaClass(kTinyA), nullptr);
}

TEST(SRepTypeLibManager, BindsBasesAcrossTheLibraryAndRefusesUnsoundOnes) {
    const GUID objectBase = CLSID_SRepObjectBase;
    {
        // A base may come after the class that names it.
        SRepTypeLibManager manager;
        auto bytes = TinyLibrary({{"A", kTinyA, "Tst::B", kTinyB}, {"B", kTinyB, "Rep::SRepObjectBase", objectBase}});
        ASSERT_EQ(manager.RegisterTypeLib(bytes.data(), bytes.size()), S_OK);
        EXPECT_EQ(manager.FindMetaClass(kTinyA)->GetBaseClass(), manager.FindMetaClass(kTinyB));
        EXPECT_TRUE(manager.FindMetaClassByName("Tst::A")->IsKindOf(objectBase));
    }
    const std::vector<std::pair<const char*, std::vector<TinyClass>>> unsound = {
        {"cycle", {{"A", kTinyA, "Tst::B", kTinyB}, {"B", kTinyB, "Tst::A", kTinyA}}},
        {"own base", {{"A", kTinyA, "Tst::A", kTinyA}}},
        {"name of one class, GUID of another", {{"A", kTinyA, "Tst::B", objectBase}, {"B", kTinyB, nullptr, {}}}},
        {"unqualified base name", {{"A", kTinyA, "SRepObjectBase", objectBase}}},
        {"GUID taken by the framework", {{"A", CLSID_SRepSessionExtern, nullptr, {}}}},
        {"GUID twice", {{"A", kTinyA, nullptr, {}}, {"B", kTinyA, nullptr, {}}}},
        {"name twice", {{"A", kTinyA, nullptr, {}}, {"A", kTinyB, nullptr, {}}}},
    };
    for (const auto& [what, classes] : unsound) {
        SRepTypeLibManager manager;
        auto bytes = TinyLibrary(classes);
        EXPECT_EQ(manager.RegisterTypeLib(bytes.data(), bytes.size()), E_FAIL) << what;
        EXPECT_EQ(manager.FindMetaClass(kTinyA), nullptr) << what;
        EXPECT_EQ(manager.FindMetaClassByName("Tst::A"), nullptr) << what;
    }
}

TEST(SRepTypeLibWriter, WritesTheReportLibrarysHeaderAndFirstClassByteForByte) {
    const GUID references[] = {MakeGUID("{2B975AA0-A490-11D1-A8B7-006097355D43}")};
    SRepTypeLibWriter::Header header;
    header.nameSpace = "Rpt";
    header.name = "VeDuzadi";
    header.libraryId = kReportLibraryId;
    header.formatByte = 3;
    header.headerWords[0] = 0x00000198;
    header.headerWords[1] = 0x00FF00FF;
    header.headerWords[2] = 0x00020001;
    header.references = references;
    SRepTypeLibWriter writer;
    writer.WriteHeader(header, 36);
    ASSERT_EQ(writer.GetBytes().size(), 104u);

    SRepTypeLibWriter::Class base;
    base.codeName = "SRptBase";
    base.displayName = "ReportBaseClass";
    base.flags = 0x0C001;
    base.classId = ReportClass(0xD0);
    base.stringId = 5098;
    base.baseName = "Rep::SRepObjectBase";
    base.baseClassId = CLSID_SRepObjectBase;
    writer.WriteClass(base, 0);
    const std::vector<uint8_t> resource = Resource();
    EXPECT_EQ(writer.GetBytes(), std::vector<uint8_t>(resource.begin(), resource.begin() + 225));
}

TEST(SRepTypeLibWriter, EveryRecordKindReadsBackAsWritten) {
    SRepTypeLibWriter writer;
    WriteOneClass(writer, 4);
    writer.WriteAttribute({"Size", "TheSize", 0x02100001, -4, 7, 0x09005000, 0x40100, "80"});
    writer.WriteCollection({"Parts", "TheParts", 0x02100002, 1, 8, 0x30308000, 0, 0x100, kTinyB});  // no element class
    writer.WriteCollection({"Whole", "", 0x02900002, 0, 0, 0xB0308000, 0x188000, 0, kTinyA});
    writer.WriteMethod({"Count", "CountParts", 0x02100003, 0x03000000, 0x500, "INT", "nParts"}, 2);
    writer.WriteParameter({"pFilter", false, "const SString &"});
    writer.WriteParameter({"pCount", true, "INT *"});
    writer.WriteTrailer();
    const std::vector<uint8_t> bytes = writer.TakeBytes();

    SRepTypeLibManager manager;
    ASSERT_EQ(manager.RegisterTypeLib(bytes.data(), bytes.size()), S_OK);
    const SRepMetaClass* a = manager.FindMetaClass(kTinyA);
    ASSERT_NE(a, nullptr);
    const SRepMetaAttribute* size = a->FindAttributeByName("Size");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->GetDisplayName(), "TheSize");
    EXPECT_EQ(size->GetW(), -4);
    EXPECT_EQ(size->GetStringId(), 7u);
    EXPECT_EQ(size->GetAttributeType(), 0x00090050u);
    EXPECT_EQ(size->GetAttributeFlags(), 0x401u);
    EXPECT_EQ(size->GetDefaultValue(), "80");
    const SRepMetaCollection* parts = a->FindCollection(0x02100002);
    ASSERT_NE(parts, nullptr);
    EXPECT_EQ(parts->GetW(), 1);
    EXPECT_FALSE(parts->HasElementClass());
    EXPECT_EQ(parts->GetEndWord(), 0x100u);
    const SRepMetaCollection* whole = a->FindCollectionByName("Whole");
    ASSERT_NE(whole, nullptr);
    EXPECT_TRUE(whole->IsInverseEnd());
    EXPECT_EQ(whole->GetElementClassId(), kTinyA);
    const SRepMetaMethod* count = a->FindMethod(0x02100003);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->GetReturnTypeWord(), 0x03000000u);
    EXPECT_EQ(count->GetReturnTypeText(), "INT");
    EXPECT_EQ(count->GetReturnName(), "nParts");
    ASSERT_EQ(count->GetParameters().size(), 2u);
    EXPECT_EQ(count->GetParameters()[0].GetName(), "pFilter");
    EXPECT_TRUE(count->GetParameters()[0].IsIn());
    EXPECT_EQ(count->GetParameters()[1].GetTypeText(), "INT *");
    EXPECT_TRUE(count->GetParameters()[1].IsOut());
    EXPECT_FALSE(count->GetParameters()[1].IsIn());
}
