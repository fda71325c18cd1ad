#include <gtest/gtest.h>

#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepRegistry.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "rpt/objs/items/SRptFieldMem.h"
#include "support/RptMetaclassCheck.h"
#include "support/SRptItemTestFixture.h"

namespace {
using SRptItemClasses = SRptItemTestFixture;

// Every attribute that the class's metaclass and its bases declare is answered by the object with
// the metaclass's type and flags, and HasAttribute knows it.
void ExpectAnswersAsItsMetaclass(ISRepObject* object, const GUID& clsid) {
    SCOPED_TRACE(GUIDToString(clsid));
    ASSERT_TRUE(object->IsKindOf(clsid));
    int32_t checked = 0;
    EXPECT_TRUE(RptAnswersAsMetaclass(object, clsid, &checked));
    EXPECT_GT(checked, 0);
    for (const SRepMetaClass* c = GetTypeLibManager()->FindMetaClass(clsid); c; c = c->GetBaseClass())
        for (const SRepMetaAttribute& attribute : c->GetAttributes())
            EXPECT_TRUE(object->HasAttribute(static_cast<int32_t>(attribute.GetId()))) << attribute.GetCodeName().c_str();
}
}  // namespace

TEST_F(SRptItemClasses, EachClassAnswersTypesAndFlagsAsItsMetaclass) {
    ExpectAnswersAsItsMetaclass(Make<ISRptTemplate>(CLSID_SRptTestTemplate).Get(), CLSID_SRptItem);
    ExpectAnswersAsItsMetaclass(Make<ISRptGrpMember>(CLSID_SRptTestItem).Get(), CLSID_SRptGrpMember);
    ExpectAnswersAsItsMetaclass(Make<ISRptCustom>(CLSID_SRptTestCustom).Get(), CLSID_SRptCustom);
    ExpectAnswersAsItsMetaclass(Make<ISRptField>(CLSID_SRptField).Get(), CLSID_SRptField);
}

TEST_F(SRptItemClasses, TheBaseClassesAreRegisteredAbstractAndTheFieldWithItsFactory) {
    struct Row {
        GUID clsid;
        const SAttrEditorMap* map;
        const SAttrEditorMap* baseMap;
        bool creatable;
    };
    const Row rows[] = {
        {CLSID_SRptItem, &SRptItemRegistry::attrEditorMap, &SRptParaContainerRegistry::attrEditorMap, false},
        {CLSID_SRptGrpMember, &SRptGrpMemberRegistry::attrEditorMap, &SRptItemRegistry::attrEditorMap, false},
        {CLSID_SRptCustom, &SRptCustomRegistry::attrEditorMap, &SRptGrpMemberRegistry::attrEditorMap, false},
        {CLSID_SRptField, &SRptFieldRegistry::attrEditorMap, &SRptBaseRegistry::attrEditorMap, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(GUIDToString(row.clsid));
        const SRepRegistry* registry = SRepRegistry::Find(row.clsid);
        ASSERT_NE(registry, nullptr);
        EXPECT_EQ(registry->IsCreatable(), row.creatable);
        EXPECT_EQ(registry->GetAttrEditorMap(), row.map);
        EXPECT_EQ(row.map->baseMap, row.baseMap);
        EXPECT_EQ(row.map->FindEditor(RPTITEM_LABEL), nullptr);
        EXPECT_EQ(registry->GetModuleState(), SRptGetModuleState());
    }
    SComWrap<ISRptItem> none;
    EXPECT_EQ(session->CreateObject(CLSID_SRptCustom, reinterpret_cast<void**>(&none), ISRptItem::iid), E_INVALIDARG);

    // The kind tests of the registries answer for the whole chain.
    EXPECT_TRUE(SRepRegistry::Find(CLSID_SRptCustom)->IsKindOf(CLSID_SRptItem));
    EXPECT_FALSE(SRepRegistry::Find(CLSID_SRptGrpMember)->IsKindOf(CLSID_SRptCustom));
    EXPECT_TRUE(SRepHasCollection(CLSID_SRptCustom, RPTITEM_ITEMS));
    EXPECT_FALSE(SRepHasCollection(CLSID_SRptField, RPTITEM_ITEMS));
}
