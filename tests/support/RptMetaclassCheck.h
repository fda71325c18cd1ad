#pragma once
// Checks a report object against the metamodel: for every attribute that its metaclass and the
// metaclass's bases declare, GetAttributeType and GetAttributeFlags must answer what the
// metaclass answers (the nearest declaration counts), and id -1 must give 0 for both.
//     int32_t checked = 0;
//     EXPECT_TRUE(RptAnswersAsItsMetaclass(para.Get(), &checked));
//     EXPECT_EQ(checked, 29);
// The metaclass is the object's own class, or `classId` for an object that stands in for an
// abstract class (a test container for SRptParaContainer).
// RptTableAgreesWithMetaclass checks a class's generated attribute table the other way round:
// its rows are exactly the attributes and collections that its metaclass declares itself, each
// attribute with the metaclass's type and flags; its base table is the base metaclass's, and its
// guard names the class's in-memory half.
//     for (const SRptAttributeTable* table : SRptAttributeTable::All())
//         EXPECT_TRUE(RptTableAgreesWithMetaclass(*table));
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <sstream>

#include "platform/repo/ISRepObject.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "rpt/objs/SRptAttributeTable.h"

inline testing::AssertionResult RptAnswersAsMetaclass(ISRepObject* object, const GUID& classId,
                                                      int32_t* checked = nullptr) {
    if (checked) *checked = 0;
    if (!object) return testing::AssertionFailure() << "no object";
    const SRepMetaClass* metaClass = GetTypeLibManager()->FindMetaClass(classId);
    if (!metaClass) return testing::AssertionFailure() << "no metaclass for " << GUIDToString(classId);

    std::set<uint32_t> ids;
    for (const SRepMetaClass* c = metaClass; c; c = c->GetBaseClass())
        for (const SRepMetaAttribute& attribute : c->GetAttributes()) ids.insert(attribute.GetId());

    std::ostringstream problems;
    for (uint32_t id : ids) {
        const int32_t asked = static_cast<int32_t>(id);
        const uint32_t type = object->GetAttributeType(asked);
        const uint32_t flags = object->GetAttributeFlags(asked);
        if (type != metaClass->GetAttributeType(id))
            problems << std::hex << "\n  0x" << id << " type 0x" << type << ", metaclass 0x"
                     << metaClass->GetAttributeType(id);
        if (flags != metaClass->GetAttributeFlags(id))
            problems << std::hex << "\n  0x" << id << " flags 0x" << flags << ", metaclass 0x"
                     << metaClass->GetAttributeFlags(id);
    }
    if (object->GetAttributeType(-1) != 0) problems << "\n  -1 has a type";
    if (object->GetAttributeFlags(-1) != 0) problems << "\n  -1 has flags";
    if (checked) *checked = static_cast<int32_t>(ids.size());
    if (!problems.str().empty())
        return testing::AssertionFailure() << metaClass->GetQualifiedName().c_str() << ":" << problems.str();
    return testing::AssertionSuccess();
}

inline testing::AssertionResult RptAnswersAsItsMetaclass(ISRepObject* object, int32_t* checked = nullptr) {
    if (!object) return testing::AssertionFailure() << "no object";
    return RptAnswersAsMetaclass(object, object->GetClassID(), checked);
}

inline testing::AssertionResult RptTableAgreesWithMetaclass(const SRptAttributeTable& table) {
    const SRepMetaClass* metaClass = GetTypeLibManager()->FindMetaClass(table.classId);
    if (!metaClass) return testing::AssertionFailure() << "no metaclass for " << GUIDToString(table.classId);

    std::ostringstream problems;
    std::set<uint32_t> attributes, collections;
    for (const SRptAttributeRow* row = table.rows; row->id != 0; ++row) {
        const uint32_t id = static_cast<uint32_t>(row->id);
        if (row->IsCollection()) {
            collections.insert(id);
            continue;
        }
        attributes.insert(id);
        const SRepMetaAttribute* declared = nullptr;
        for (const SRepMetaAttribute& attribute : metaClass->GetAttributes())
            if (attribute.GetId() == id) declared = &attribute;
        if (!declared) {
            problems << std::hex << "\n  row 0x" << id << " is no attribute of the class";
            continue;
        }
        if (row->type != declared->GetAttributeType())
            problems << std::hex << "\n  0x" << id << " type 0x" << row->type << ", metaclass 0x"
                     << declared->GetAttributeType();
        if (row->flags != declared->GetAttributeFlags())
            problems << std::hex << "\n  0x" << id << " flags 0x" << row->flags << ", metaclass 0x"
                     << declared->GetAttributeFlags();
        if (!row->get || !row->getDefault) problems << std::hex << "\n  0x" << id << " cannot be read";
    }
    for (const SRepMetaAttribute& attribute : metaClass->GetAttributes())
        if (!attributes.count(attribute.GetId())) problems << std::hex << "\n  no row for 0x" << attribute.GetId();
    for (const SRepMetaCollection& collection : metaClass->GetCollections())
        if (!collections.erase(collection.GetId()))
            problems << std::hex << "\n  no row for collection 0x" << collection.GetId();
    for (uint32_t id : collections) problems << std::hex << "\n  row 0x" << id << " is no collection of the class";

    const GUID base = table.base ? table.base->classId : CLSID_SRepObjectBase;
    if (base != metaClass->GetBaseClassId()) problems << "\n  base table " << GUIDToString(base);
    const SString mem = metaClass->GetCodeName() + "Mem";
    if (SString(table.guard.GetClassName()) != mem) problems << "\n  reports name " << table.guard.GetClassName();
    if (SString(table.guard.GetSourceFile()) != SString("RPT\\Objs\\") + mem)
        problems << "\n  reports come from " << table.guard.GetSourceFile();
    if (!problems.str().empty())
        return testing::AssertionFailure() << metaClass->GetQualifiedName().c_str() << ":" << problems.str();
    return testing::AssertionSuccess();
}
