#pragma once
// Checks a report object against the metamodel: for every attribute that its metaclass and the
// metaclass's bases declare, GetAttributeType and GetAttributeFlags must answer what the
// metaclass answers (the nearest declaration counts), and id -1 must give 0 for both.
//     int32_t checked = 0;
//     EXPECT_TRUE(RptAnswersAsItsMetaclass(para.Get(), &checked));
//     EXPECT_EQ(checked, 29);
// The metaclass is the object's own class, or `classId` for an object that stands in for an
// abstract class (a test container for SRptParaContainer).
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <sstream>

#include "platform/repo/ISRepObject.h"
#include "platform/repo/SRepTypeLibManager.h"

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
