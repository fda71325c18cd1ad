#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>
#include <vector>

#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepRegistry.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/editor/SRptAttrEditorTableCellWidth.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/tables/SRptFormCellMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptFormRowMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/tables/SRptListCellMem.h"
#include "rpt/objs/tables/SRptListMem.h"
#include "rpt/objs/tables/SRptListRowMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "support/RptMetaclassCheck.h"
#include "support/SRptItemTestFixture.h"

namespace {

using SRptItemKindClasses = SRptItemTestFixture;

// Every face of the class interface's chain, down to ISRptBase, is the class interface itself,
// and IUnknown asked through any of them is the object's one IUnknown.
template <class I>
void ExpectOneFaceDown(I* object, IUnknown* identity) {
    void* face = nullptr;
    ASSERT_EQ(object->QueryInterface(I::iid, &face), S_OK);
    EXPECT_EQ(static_cast<I*>(face), object);
    SComWrap<IUnknown> unknown;
    ASSERT_EQ(unknown.Assign(static_cast<I*>(face)), S_OK);
    EXPECT_EQ(unknown.Get(), identity);
    static_cast<I*>(face)->Release();
    using Base = typename I::BaseInterface;
    if constexpr (!std::is_same_v<Base, ISRepObject>) ExpectOneFaceDown<Base>(object, identity);
}
template <class I>
void ExpectOneFace(ISRepObject* object) {
    SComWrap<IUnknown> identity;
    ASSERT_EQ(identity.Assign(object), S_OK);
    SComWrap<I> asClass;
    ASSERT_EQ(asClass.Assign(object), S_OK);
    ExpectOneFaceDown<I>(asClass.Get(), identity.Get());
}

constexpr IID IID_ISRptFile = MakeGUID("{E5E95707-B72F-11D1-8898-00A02455633B}");
constexpr IID IID_ISRptTblCts = MakeGUID("{E5E9571C-B72F-11D1-8898-00A02455633B}");

struct KindCase {
    const char* name;
    GUID clsid;
    IID iid;
    // The interfaces it extends, from the root down, and the classes it derives from.
    std::vector<IID> bases;
    std::vector<GUID> baseClasses;
    // The name of its object allocator; null when each object is allocated by itself.
    const char* allocator;
    const SAttrEditorMap* baseMap;
    void (*oneFace)(ISRepObject*);
};

const std::vector<IID> kItemChain = {IID_ISRptParaContainer, IID_ISRptItem, IID_ISRptGrpMember, IID_ISRptCustom};
const std::vector<GUID> kCustomClasses = {CLSID_SRptCustom, CLSID_SRptGrpMember, CLSID_SRptItem,
                                          CLSID_SRptParaContainer, CLSID_SRptBase};

template <class T>
std::vector<T> With(std::vector<T> list, std::initializer_list<T> more) {
    list.insert(list.end(), more);
    return list;
}

const std::vector<KindCase>& Kinds() {
    static const std::vector<KindCase> kinds = {
        {"folder", CLSID_SRptFolder, IID_ISRptFolder, With(kItemChain, {IID_ISRptGroup}),
         With(kCustomClasses, {CLSID_SRptGroup}), "SRptFolder", &SRptGroupRegistry::attrEditorMap,
         &ExpectOneFace<ISRptFolder>},
        {"group title", CLSID_SRptGrpTitle, IID_ISRptGrpTitle, With(kItemChain, {IID_ISRptGroup}),
         With(kCustomClasses, {CLSID_SRptGroup}), "SRptGrpTitle", &SRptGroupRegistry::attrEditorMap,
         &ExpectOneFace<ISRptGrpTitle>},
        {"group text", CLSID_SRptGrpText, IID_ISRptGrpText, kItemChain, kCustomClasses, "SRptGrpText",
         &SRptCustomRegistry::attrEditorMap, &ExpectOneFace<ISRptGrpText>},
        {"user graphic", CLSID_SRptUserGraphic, IID_ISRptUserGraphic, kItemChain, kCustomClasses, "SRptUserGraphic",
         &SRptCustomRegistry::attrEditorMap, &ExpectOneFace<ISRptUserGraphic>},
        {"form", CLSID_SRptForm, IID_ISRptForm, With(kItemChain, {IID_ISRptTable}),
         With(kCustomClasses, {CLSID_SRptTable}), "SRptForm", &SRptTableRegistry::attrEditorMap,
         &ExpectOneFace<ISRptForm>},
        {"list", CLSID_SRptList, IID_ISRptList, With(kItemChain, {IID_ISRptTable}),
         With(kCustomClasses, {CLSID_SRptTable}), nullptr, &SRptTableRegistry::attrEditorMap,
         &ExpectOneFace<ISRptList>},
        {"table row", CLSID_SRptTableRow, IID_ISRptTableRow, {}, {CLSID_SRptBase}, nullptr,
         &SRptBaseRegistry::attrEditorMap, &ExpectOneFace<ISRptTableRow>},
        {"form row", CLSID_SRptFormRow, IID_ISRptFormRow, {IID_ISRptTableRow}, {CLSID_SRptTableRow, CLSID_SRptBase},
         nullptr, &SRptTableRowRegistry::attrEditorMap, &ExpectOneFace<ISRptFormRow>},
        {"list row", CLSID_SRptListRow, IID_ISRptListRow, {IID_ISRptTableRow}, {CLSID_SRptTableRow, CLSID_SRptBase},
         nullptr, &SRptTableRowRegistry::attrEditorMap, &ExpectOneFace<ISRptListRow>},
        {"table cell", CLSID_SRptTableCell, IID_ISRptTableCell, {}, {CLSID_SRptBase}, nullptr,
         &SRptBaseRegistry::attrEditorMap, &ExpectOneFace<ISRptTableCell>},
        {"form cell", CLSID_SRptFormCell, IID_ISRptFormCell, {IID_ISRptTableCell}, {CLSID_SRptTableCell, CLSID_SRptBase},
         nullptr, &SRptTableCellRegistry::attrEditorMap, &ExpectOneFace<ISRptFormCell>},
        {"list cell", CLSID_SRptListCell, IID_ISRptListCell, {IID_ISRptTableCell}, {CLSID_SRptTableCell, CLSID_SRptBase},
         nullptr, &SRptTableCellRegistry::attrEditorMap, &ExpectOneFace<ISRptListCell>},
    };
    return kinds;
}

// Every class and interface of these kinds and their neighbours, for the negative answers.
const std::vector<GUID> kAllClasses = {
    CLSID_SRptFolder,    CLSID_SRptGrpTitle, CLSID_SRptGrpText,  CLSID_SRptUserGraphic, CLSID_SRptForm,
    CLSID_SRptList,      CLSID_SRptTableRow, CLSID_SRptFormRow,  CLSID_SRptListRow,     CLSID_SRptTableCell,
    CLSID_SRptFormCell,  CLSID_SRptListCell, CLSID_SRptGroup,    CLSID_SRptTable,       CLSID_SRptCustom,
    CLSID_SRptGrpMember, CLSID_SRptItem,     CLSID_SRptParaContainer, CLSID_SRptBase,   CLSID_SRptTemplate,
    CLSID_SRptTestCustom};
const std::vector<IID> kAllInterfaces = {
    IID_ISRptFolder,    IID_ISRptGrpTitle,  IID_ISRptGrpText,  IID_ISRptUserGraphic, IID_ISRptForm,
    IID_ISRptList,      IID_ISRptTableRow,  IID_ISRptFormRow,  IID_ISRptListRow,     IID_ISRptTableCell,
    IID_ISRptFormCell,  IID_ISRptListCell,  IID_ISRptGroup,    IID_ISRptTable,       IID_ISRptCustom,
    IID_ISRptGrpMember, IID_ISRptItem,      IID_ISRptParaContainer, IID_ISRptBase,   IID_ISRptFile,
    IID_ISRptTblCts};

bool Contains(const std::vector<GUID>& list, const GUID& id) {
    return std::find(list.begin(), list.end(), id) != list.end();
}

// A value other than the attribute's default, of its type.
SRepVariant Other(const SRepVariant& value) {
    SRepVariant other;
    switch (value.GetType()) {
        case SREP_VT_SHORT: other.SetShort(static_cast<int16_t>(value.GetShort() + 7)); break;
        case SREP_VT_INT: other.SetInt(value.GetInt() + 7); break;
        case SREP_VT_BOOL: other.SetBool(!value.GetBool()); break;
        default: other.SetText(value.GetText() + "changed"); break;
    }
    return other;
}


}  // namespace

TEST_F(SRptItemKindClasses, EachClassIsRegisteredAsItsCreationSays) {
    for (const KindCase& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        const SRepRegistry* registry = SRepRegistry::Find(kind.clsid);
        ASSERT_NE(registry, nullptr);
        EXPECT_TRUE(registry->IsCreatable());
        EXPECT_EQ(registry->GetModuleState(), SRptGetModuleState());
        EXPECT_EQ(registry->GetAttrEditorMap()->baseMap, kind.baseMap);
        if (kind.allocator) {
            ASSERT_NE(registry->GetAllocator(), nullptr);
            EXPECT_EQ(registry->GetAllocator()->GetClassName(), kind.allocator);
            EXPECT_EQ(registry->GetAllocator()->GetObjectsPerBlock(), 10);
        } else {
            EXPECT_EQ(registry->GetAllocator(), nullptr);
        }
    }
    // The two abstract bases are known, but nothing is made of them.
    for (const GUID& abstract : {CLSID_SRptGroup, CLSID_SRptTable}) {
        const SRepRegistry* registry = SRepRegistry::Find(abstract);
        ASSERT_NE(registry, nullptr);
        EXPECT_FALSE(registry->IsCreatable());
        EXPECT_EQ(registry->GetAttrEditorMap()->baseMap, &SRptCustomRegistry::attrEditorMap);
        SComWrap<ISRptItem> none;
        EXPECT_EQ(session->CreateObject(abstract, reinterpret_cast<void**>(&none), ISRptItem::iid), E_INVALIDARG);
        EXPECT_FALSE(none);
    }
    // The cell's width has its own editor, which the cells of forms and lists find through their
    // base map; no other attribute has one.
    for (const GUID& cell : {CLSID_SRptTableCell, CLSID_SRptFormCell, CLSID_SRptListCell}) {
        const SAttrEditorMap* map = SRepRegistry::Find(cell)->GetAttrEditorMap();
        EXPECT_EQ(map->FindEditor(RPTTABLECELL_WIDTH), &SRptAttrEditorTableCellWidth::classInfo);
        EXPECT_EQ(map->FindEditor(RPTTABLECELL_BORDERWIDTH), nullptr);
    }
    EXPECT_TRUE(SRptAttrEditorTableCellWidth::classInfo.HasName("SRptAttrEditorTableCellWidth"));
    EXPECT_EQ(SRepRegistry::Find(CLSID_SRptTableRow)->GetAttrEditorMap()->FindEditor(RPTTABLECELL_WIDTH), nullptr);
}

TEST_F(SRptItemKindClasses, FactoriesCountTheLiveObjectsOfEachClass) {
    for (const KindCase& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        const SRepObjectAllocator* allocator = SRepRegistry::Find(kind.clsid)->GetAllocator();
        const auto allocated = [&](int32_t count) { return !allocator || allocator->GetLiveCount() == count; };
        {
            SComWrap<ISRepObject> object = Make<ISRepObject>(kind.clsid);
            ASSERT_TRUE(object);
            EXPECT_EQ(SRptGetModuleState()->LockCount(), live + 1);
            EXPECT_TRUE(allocated(1));
            EXPECT_TRUE(SRepRegistry::Find(kind.clsid)->IsClassInitialised());
            // A copy without a session stays in its source's.
            SComWrap<ISRepObject> copy;
            ASSERT_EQ(object->Duplicate(nullptr, SREP_DUPLICATE_DEEP, nullptr, &copy), S_OK);
            EXPECT_EQ(SRptGetModuleState()->LockCount(), live + 2);
            EXPECT_TRUE(allocated(2));
            SComWrap<ISRepSession> copySession;
            copy->GetSession(&copySession);
            EXPECT_EQ(copySession.Get(), session.Get());
        }
        EXPECT_EQ(SRptGetModuleState()->LockCount(), live);
        EXPECT_TRUE(allocated(0));
    }
}

TEST_F(SRptItemKindClasses, QueryInterfaceAnswersTheClassChainAndNothingElse) {
    for (const KindCase& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        SComWrap<ISRepObject> object = Make<ISRepObject>(kind.clsid);
        const uint32_t refs = object->AddRef() - 1;
        object->Release();
        const std::vector<IID> answered = With(kind.bases, {kind.iid, IID_ISRptBase});
        for (const IID& iid : kAllInterfaces) {
            void* face = reinterpret_cast<void*>(1);
            const HRESULT hr = object->QueryInterface(iid, &face);
            if (Contains(answered, iid)) {
                EXPECT_EQ(hr, S_OK) << GUIDToString(iid);
                if (hr == S_OK) object->Release();  // one count for every face
            } else {
                EXPECT_EQ(hr, E_NOINTERFACE) << GUIDToString(iid);
                EXPECT_EQ(face, nullptr);
            }
        }
        kind.oneFace(object.Get());
        EXPECT_EQ(object->AddRef() - 1, refs);  // every face given out was given back
        object->Release();
        EXPECT_EQ(object->QueryInterface(kind.iid, nullptr), E_POINTER);
    }
}

TEST_F(SRptItemKindClasses, IsKindOfAnswersTheClassAndItsBasesAlone) {
    for (const KindCase& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        SComWrap<ISRepObject> object = Make<ISRepObject>(kind.clsid);
        const std::vector<GUID> kinds = With(kind.baseClasses, {kind.clsid, CLSID_SRepObjectBase, CLSID_SRepObject});
        const SRepRegistry* registry = SRepRegistry::Find(kind.clsid);
        for (const GUID& clsid : With(kAllClasses, {CLSID_SRepObjectBase, CLSID_SRepObject})) {
            EXPECT_EQ(object->IsKindOf(clsid), Contains(kinds, clsid)) << GUIDToString(clsid);
            EXPECT_EQ(registry->IsKindOf(clsid), Contains(kinds, clsid)) << GUIDToString(clsid);
        }
    }
    // The abstract bases' registries answer for their own chain.
    EXPECT_TRUE(SRepRegistry::Find(CLSID_SRptGroup)->IsKindOf(CLSID_SRptCustom));
    EXPECT_FALSE(SRepRegistry::Find(CLSID_SRptGroup)->IsKindOf(CLSID_SRptTable));
    EXPECT_TRUE(SRepRegistry::Find(CLSID_SRptTable)->IsKindOf(CLSID_SRptItem));
}

TEST_F(SRptItemKindClasses, EachClassAnswersItsAttributesAsItsMetaclass) {
    for (const KindCase& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        SComWrap<ISRepObject> object = Make<ISRepObject>(kind.clsid);
        int32_t checked = 0;
        EXPECT_TRUE(RptAnswersAsItsMetaclass(object.Get(), &checked));
        EXPECT_GT(checked, 0);
        for (const SRepMetaClass* c = GetTypeLibManager()->FindMetaClass(kind.clsid); c; c = c->GetBaseClass())
            for (const SRepMetaAttribute& attribute : c->GetAttributes())
                EXPECT_TRUE(object->HasAttribute(static_cast<int32_t>(attribute.GetId())))
                    << attribute.GetCodeName().c_str();
        SRepVariant value;
        EXPECT_EQ(object->GetAttribute(-1, &value), E_FAIL);
        EXPECT_EQ(object->SetAttribute(-1, value), E_FAIL);
        EXPECT_EQ(object->GetAttributeDefault(-1, &value), E_FAIL);
        EXPECT_FALSE(object->HasAttribute(-1));
    }
    // Attributes of neighbouring classes are not theirs.
    const struct {
        GUID clsid;
        int32_t id;
    } foreign[] = {
        {CLSID_SRptGrpText, RPTGROUP_VALID},         {CLSID_SRptFolder, RPTGRPTITLE_TEXT},
        {CLSID_SRptForm, RPTLIST_SORTED},            {CLSID_SRptTableRow, RPTFORMROW_DISPNAME},
        {CLSID_SRptListRow, RPTFORMROW_ROWFIELDS},   {CLSID_SRptFormCell, RPTFORMROW_ROWFIELDS},
        {CLSID_SRptFormCell, RPTLISTCELL_SORTED},    {CLSID_SRptTableCell, RPTTABLEROW_ENABLED},
        {CLSID_SRptTableRow, RPTTABLECELL_ENABLED},  {CLSID_SRptUserGraphic, RPTGROUP_NBITEMS},
    };
    for (const auto& [clsid, id] : foreign)
        EXPECT_FALSE(Make<ISRepObject>(clsid)->HasAttribute(id)) << GUIDToString(clsid) << std::hex << " 0x" << id;
}

TEST_F(SRptItemKindClasses, CollectionsBelongToTheirClassAlone) {
    constexpr int32_t kFramework = 0x0480019F;
    const struct {
        GUID clsid;
        std::vector<int32_t> have;
        std::vector<int32_t> haveNot;
    } cases[] = {
        {CLSID_SRptFolder, {RPTITEM_ITEMS, RPTITEM_PARENT, RPTPARACONTAINER_PARAGRAPHS, kFramework}, {RPTTABLE_ROWS}},
        {CLSID_SRptUserGraphic, {RPTITEM_ITEMS, RPTPARACONTAINER_PARAGRAPHS, kFramework}, {RPTTABLE_ROWS}},
        {CLSID_SRptForm, {RPTTABLE_ROWS, RPTITEM_ITEMS, RPTITEM_PARENT, RPTPARACONTAINER_PARAGRAPHS, kFramework},
         {RPTTABLEROW_CELLS}},
        {CLSID_SRptList, {RPTTABLE_ROWS, RPTITEM_ITEMS, kFramework}, {RPTTABLEROW_TABLEFROMROW}},
        {CLSID_SRptFormRow, {RPTTABLEROW_CELLS, RPTTABLEROW_TABLEFROMROW, kFramework},
         {RPTITEM_ITEMS, RPTPARACONTAINER_PARAGRAPHS, RPTTABLECELL_ROWFROMCELL}},
        {CLSID_SRptListCell, {RPTTABLECELL_ROWFROMCELL, kFramework}, {RPTTABLEROW_CELLS, RPTITEM_PARENT}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(GUIDToString(c.clsid));
        SComWrap<ISRepObject> object = Make<ISRepObject>(c.clsid);
        for (int32_t id : c.have) {
            EXPECT_TRUE(object->HasCollection(id)) << std::hex << id;
            EXPECT_TRUE(SRepHasCollection(c.clsid, id)) << std::hex << id;
        }
        for (int32_t id : c.haveNot) {
            EXPECT_FALSE(object->HasCollection(id)) << std::hex << id;
            EXPECT_FALSE(SRepHasCollection(c.clsid, id)) << std::hex << id;
        }
    }
}

TEST_F(SRptItemKindClasses, NewObjectsHoldTheirDefaultsAndCopiesCarryTheirOwnValues) {
    for (const KindCase& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        SComWrap<ISRepObject> object = Make<ISRepObject>(kind.clsid);
        // Every stored attribute of the class and its bases starts at its default; each is then
        // changed through the attribute protocol and must come back so, in the object and in a copy.
        std::vector<std::pair<int32_t, SRepVariant>> changed;
        for (const SRepMetaClass* c = GetTypeLibManager()->FindMetaClass(kind.clsid); c; c = c->GetBaseClass()) {
            for (const SRepMetaAttribute& attribute : c->GetAttributes()) {
                const auto id = static_cast<int32_t>(attribute.GetId());
                if (attribute.IsComputed() || id < 0x02000000) continue;
                SRepVariant value, fallback;
                ASSERT_EQ(object->GetAttribute(id, &value), S_OK) << std::hex << id;
                ASSERT_EQ(object->GetAttributeDefault(id, &fallback), S_OK) << std::hex << id;
                EXPECT_EQ(value, fallback) << std::hex << id;
                const SRepVariant other = Other(value);
                ASSERT_EQ(object->SetAttribute(id, other), S_OK) << std::hex << id;
                EXPECT_EQ(object->SetAttribute(id, other), S_FALSE) << std::hex << id;  // unchanged
                changed.emplace_back(id, other);
            }
        }
        EXPECT_FALSE(changed.empty());
        SComWrap<ISRepObject> copy;
        ASSERT_EQ(object->Duplicate(nullptr, SREP_DUPLICATE_DEEP, nullptr, &copy), S_OK);
        for (const auto& [id, expected] : changed) {
            SRepVariant inObject, inCopy;
            object->GetAttribute(id, &inObject);
            copy->GetAttribute(id, &inCopy);
            EXPECT_EQ(inObject, expected) << std::hex << id;
            EXPECT_EQ(inCopy, expected) << std::hex << id;
        }
    }
}

TEST_F(SRptItemKindClasses, DefaultsAreThoseOfEachKind) {
    const struct {
        GUID clsid;
        int32_t id;
        int32_t value;
    } defaults[] = {
        {CLSID_SRptFolder, RPTFOLDER_NBMAXLEVELS, -1},
        {CLSID_SRptGrpTitle, RPTGRPTITLE_USERORDER, 1},
        {CLSID_SRptGrpTitle, RPTGROUP_VALID, 0},
        {CLSID_SRptUserGraphic, RPTUSERGRAPHIC_ONEPAGETYPE, 2},
        {CLSID_SRptUserGraphic, RPTUSERGRAPHIC_ZOOMPERCT, 100},
        {CLSID_SRptTableRow, RPTTABLEROW_HEIGHTTYPE, 1},
        {CLSID_SRptTableRow, RPTTABLEROW_ALIGNMENT, 1},
        {CLSID_SRptFormRow, RPTTABLEROW_SPBETWEENCELLS, 400},
        {CLSID_SRptListRow, RPTTABLEROW_ENABLED, 1},
        {CLSID_SRptTableCell, RPTTABLECELL_ENABLED, 0},
        {CLSID_SRptTableCell, RPTTABLECELL_VERTALIGN, 1},
        {CLSID_SRptFormCell, RPTTABLECELL_BORDER, 8},
        {CLSID_SRptListCell, RPTTABLECELL_BORDERWIDTH, 26},
    };
    for (const auto& [clsid, id, expected] : defaults) {
        SRepVariant value;
        ASSERT_EQ(Make<ISRepObject>(clsid)->GetAttributeDefault(id, &value), S_OK);
        EXPECT_EQ(value.GetInt(), expected) << GUIDToString(clsid) << std::hex << " 0x" << id;
    }
    // Computed attributes have none: an empty value of their type.
    const struct {
        GUID clsid;
        int32_t id;
        uint32_t type;
    } computed[] = {
        {CLSID_SRptTableCell, RPTTABLECELL_DISPNAME, SREP_VT_CHAR254},
        {CLSID_SRptListCell, RPTTABLECELL_RESPATH, SREP_VT_TEXT},
        {CLSID_SRptFormRow, RPTFORMROW_DISPNAME, SREP_VT_CHAR254},
        {CLSID_SRptFormRow, RPTFORMROW_ROWFIELDS, SREP_VT_TEXT},
    };
    for (const auto& [clsid, id, type] : computed) {
        SRepVariant value;
        EXPECT_EQ(Make<ISRepObject>(clsid)->GetAttributeDefault(id, &value), E_NOTIMPL);
        EXPECT_EQ(value.GetType(), type);
        EXPECT_TRUE(value.GetText().IsEmpty());
    }
}

TEST_F(SRptItemKindClasses, TheItemKindsAnswerTheTreeAndTheEditorAsFarAsTheyGo) {
    const struct {
        GUID clsid;
        bool container;
    } items[] = {{CLSID_SRptFolder, true}, {CLSID_SRptGrpTitle, true}, {CLSID_SRptGrpText, false},
                 {CLSID_SRptUserGraphic, false}, {CLSID_SRptForm, false}, {CLSID_SRptList, false}};
    for (const auto& [clsid, container] : items) {
        SCOPED_TRACE(GUIDToString(clsid));
        SComWrap<ISRptItem> item = Make(clsid);
        EXPECT_EQ(item->GetContainer(), container);
        EXPECT_EQ(Item("member")->CanDropItemIntoParentAtPos(item.Get(), -1), container ? S_OK : S_FALSE);
        // What each kind builds, offers and opens, its own tests say.
    }
    // A box may be drawn around a form's label paragraph only, and around every paragraph of a
    // list but its title.
    SComWrap<ISRptParaContainer> form = Make<ISRptParaContainer>(CLSID_SRptForm);
    SComWrap<ISRptParaContainer> list = Make<ISRptParaContainer>(CLSID_SRptList);
    const HRESULT formBox[] = {S_FALSE, S_OK, S_FALSE, S_FALSE};
    const HRESULT listBox[] = {S_FALSE, S_OK, S_OK, S_OK};
    for (int32_t position = 0; position < 4; ++position) {
        EXPECT_EQ(form->IsParaSupportBox(position), formBox[position]) << position;
        EXPECT_EQ(list->IsParaSupportBox(position), listBox[position]) << position;
    }
    // A plain table has no label paths to bring into line; forms and lists need a source.
    SComWrap<ISRptTable> table = Make<ISRptTable>(CLSID_SRptList);
    EXPECT_EQ(Make<ISRptTable>(CLSID_SRptForm)->UpdateLabelPath(nullptr), E_FAIL);
    EXPECT_EQ(table->UpdateLabelPath(nullptr), E_FAIL);
    EXPECT_EQ(dynamic_cast<SRptTableImpl*>(Mem(table.Get()))->SRptTableImpl::UpdateLabelPath(nullptr), S_OK);
}

TEST_F(SRptItemKindClasses, AUserGraphicShowsItsOwnTitleEvenWhenNotUserDefined) {
    SComWrap<ISRptUserGraphic> graphic = Make<ISRptUserGraphic>(CLSID_SRptUserGraphic);
    SComWrap<ISRptGrpText> text = Make<ISRptGrpText>(CLSID_SRptGrpText);
    for (ISRptCustom* custom : {static_cast<ISRptCustom*>(graphic.Get()), static_cast<ISRptCustom*>(text.Get())}) {
        custom->PutTitle("Own");
        custom->PutDefaultTitle("Default");
        custom->PutLabel("Chart");
        EXPECT_FALSE(custom->GetUserDefined());
    }
    EXPECT_EQ(graphic->GetDispTitle(), "Own");
    EXPECT_EQ(graphic->GetLabelInTemplate(), "Chart - Own");
    EXPECT_EQ(text->GetDispTitle(), "Default");
    SRepVariant value;
    ASSERT_EQ(graphic->GetAttribute(RPTCUSTOM_DISPTITLE, &value), S_OK);
    EXPECT_EQ(value.GetText(), "Own");
    graphic->PutTitle("");
    EXPECT_EQ(graphic->GetDispTitle(), "");
}
