#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/paras/SRptTabulationMem.h"
#include "support/SRptParaTestFixture.h"

namespace {

using Stops = std::vector<std::pair<int32_t, int32_t>>;  // (position, alignment) in collection order

class SRptTabulation : public SRptParaTest {
protected:
    static Stops StopsOf(ISRptPara* para) {
        Stops stops;
        for (int32_t index = 0; index < para->GetNbTabs(); ++index) {
            SComWrap<ISRptTabulation> tab;
            EXPECT_EQ(para->GetTabPosAtIndex(index, &tab), S_OK);
            if (tab) stops.emplace_back(tab->GetPosition(), tab->GetAlignment());
        }
        return stops;
    }
    static SRptTabPosOp Op(int32_t op, int32_t position = 0, int16_t alignment = 1) { return {{position, alignment}, op}; }
    SComWrap<ISRptPara> ParaWith(std::vector<RPTTABPOS> stops) {
        SComWrap<ISRptPara> para = MakePara();
        EXPECT_EQ(para->SetTabs(static_cast<int32_t>(stops.size()), stops.data()), S_OK);
        return para;
    }
    // The governing stop of a location, and whether it is one of the paragraph's own.
    static std::pair<int32_t, int32_t> Owner(ISRptPara* para, int32_t location, bool* own = nullptr) {
        SComWrap<ISRptTabulation> tab;
        EXPECT_EQ(para->GetOwnerTabPos(location, &tab), S_OK);
        if (!tab) return {-1, -1};
        if (own) *own = tab->ParaFromTabPos().GetCount() == 1;
        return {tab->GetPosition(), tab->GetAlignment()};
    }
};

}  // namespace

TEST_F(SRptTabulation, ANewStopAndItsAttributes) {
    SComWrap<ISRptTabulation> tab;
    ASSERT_EQ(session->CreateObject(CLSID_SRptTabulation, reinterpret_cast<void**>(&tab), ISRptTabulation::iid), S_OK);
    EXPECT_EQ(tab->GetPosition(), 0);
    EXPECT_EQ(tab->GetAlignment(), 1);
    SRepVariant value;
    EXPECT_EQ(tab->GetAttributeDefault(RPTTAB_PARENTPARA, &value), E_NOTIMPL);
    EXPECT_EQ(value.GetType(), SREP_VT_OBJECT);
    ASSERT_EQ(tab->GetAttribute(RPTTAB_PARENTPARA, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_OBJECT);
    EXPECT_EQ(value.GetIOBJECT(), nullptr);
    value.SetShort(3);
    EXPECT_EQ(tab->SetAttribute(RPTTAB_ALIGNMENT, value), S_OK);
    EXPECT_EQ(tab->GetAlignment(), 3);
    EXPECT_FALSE(tab->HasAttribute(0x0100000B));

    // A stop of a paragraph reaches it through ParaFromTabPos only.
    SComWrap<ISRptPara> para = ParaWith({{500, 1}});
    ASSERT_EQ(para->GetTabPosAtIndex(0, &tab), S_OK);
    SComWrap<ISRptPara> owner;
    owner = tab->ParaFromTabPos().Item(0);
    EXPECT_EQ(owner.Get(), para.Get());
    EXPECT_FALSE(tab->GetParentPara());
}

// ---- editing ----

TEST_F(SRptTabulation, SetTabsReplacesEveryStopAndSorts) {
    SComWrap<ISRptPara> para = ParaWith({{2000, 1}, {500, 3}, {500, 1}, {1000, 1}});
    EXPECT_EQ(StopsOf(para.Get()), (Stops{{500, 1}, {500, 3}, {1000, 1}, {2000, 1}}));
    const RPTTABPOS twice[] = {{700, 2}, {700, 2}};
    EXPECT_EQ(para->SetTabs(2, twice), S_OK);
    EXPECT_EQ(StopsOf(para.Get()), (Stops{{700, 2}, {700, 2}}));  // equal positions are all kept
    EXPECT_EQ(para->SetTabs(0, nullptr), S_OK);
    EXPECT_EQ(para->GetNbTabs(), 0);
    EXPECT_EQ(para->SetTabs(2, nullptr), E_POINTER);
    // A record given only its position is a left-aligned stop, as a new tab stop is.
    RPTTABPOS positioned;
    positioned.position = 900;
    EXPECT_EQ(para->SetTabs(1, &positioned), S_OK);
    EXPECT_EQ(StopsOf(para.Get()), (Stops{{900, RPT_TABPOS_ALIGN_LEFT}}));
}

TEST_F(SRptTabulation, AddTabsReplacesTheStopAtEachPosition) {
    SComWrap<ISRptPara> para = ParaWith({{1000, 1}, {3000, 1}});
    const RPTTABPOS centred = {1000, 2};
    EXPECT_EQ(para->AddTabs(1, &centred), S_OK);
    EXPECT_EQ(StopsOf(para.Get()), (Stops{{1000, 2}, {3000, 1}}));
    // A later record at the same position replaces the one an earlier record added.
    const RPTTABPOS more[] = {{200, 1}, {2000, 3}, {200, 2}};
    EXPECT_EQ(para->AddTabs(3, more), S_OK);
    EXPECT_EQ(StopsOf(para.Get()), (Stops{{200, 2}, {1000, 2}, {2000, 3}, {3000, 1}}));
    EXPECT_EQ(para->AddTabs(1, nullptr), E_POINTER);
}

TEST_F(SRptTabulation, PlayTabPosLogReplaysTheEditsInOrder) {
    SComWrap<ISRptPara> para = ParaWith({{1000, 2}, {2000, 1}});
    const SRptTabPosOp removeOther[] = {Op(RPT_TABPOS_OP_REMOVE, 1000, 1)};  // needs the alignment too
    EXPECT_EQ(para->PlayTabPosLog(1, removeOther), S_OK);
    EXPECT_EQ(StopsOf(para.Get()), (Stops{{1000, 2}, {2000, 1}}));
    const SRptTabPosOp clearThenAdd[] = {Op(RPT_TABPOS_OP_REMOVEALL), Op(RPT_TABPOS_OP_ADD, 700, 1)};
    EXPECT_EQ(para->PlayTabPosLog(2, clearThenAdd), S_OK);
    EXPECT_EQ(StopsOf(para.Get()), (Stops{{700, 1}}));
    // An unknown operation is skipped; the others run and the stops end sorted.
    const SRptTabPosOp mixed[] = {Op(RPT_TABPOS_OP_ADD, 3000, 3), Op(4, 100, 1), Op(RPT_TABPOS_OP_ADD, 100, 2),
                                  Op(RPT_TABPOS_OP_ADD, 700, 3), Op(RPT_TABPOS_OP_REMOVE, 3000, 3)};
    EXPECT_EQ(para->PlayTabPosLog(5, mixed), S_OK);
    EXPECT_EQ(StopsOf(para.Get()), (Stops{{100, 2}, {700, 3}}));
    EXPECT_EQ(para->PlayTabPosLog(1, nullptr), E_POINTER);
}

TEST_F(SRptTabulation, AnIndexWithoutAStopIsRefused) {
    SComWrap<ISRptPara> para = ParaWith({{500, 1}, {1500, 1}, {100, 3}});
    EXPECT_EQ(Impl(para.Get())->RemoveTab(5), E_INVALIDARG);
    SComWrap<ISRptTabulation> tab;
    EXPECT_EQ(para->GetTabPosAtIndex(3, &tab), E_INVALIDARG);
    EXPECT_FALSE(tab);
    EXPECT_EQ(para->GetTabPosAtIndex(0, nullptr), E_POINTER);
}

// ---- the governing stop ----

TEST_F(SRptTabulation, TheOwnerIsTheFirstStopBeyondTheLocationElseADefaultStop) {
    SComWrap<ISRptPara> para = ParaWith({{500, 1}, {1000, 3}});
    bool own = false;
    EXPECT_EQ(Owner(para.Get(), 500, &own), std::make_pair(1000, 3));
    EXPECT_TRUE(own);
    // 1000 is not beyond 1000: a default stop, which belongs to no paragraph.
    EXPECT_EQ(Owner(para.Get(), 1000, &own), std::make_pair(1270, 1));
    EXPECT_FALSE(own);
    EXPECT_EQ(para->GetNbTabs(), 2);

    SComWrap<ISRptPara> plain = MakePara();
    EXPECT_EQ(Owner(plain.Get(), 2540).first, 3810);
    EXPECT_EQ(Owner(plain.Get(), -100).first, 1270);
    plain->PutDefaultTabSize(500);
    EXPECT_EQ(Owner(plain.Get(), 1200).first, 1500);
    EXPECT_EQ(Owner(plain.Get(), INT32_MAX).first, INT32_MAX);
    EXPECT_EQ(plain->GetOwnerTabPos(0, nullptr), E_POINTER);
}

TEST_F(SRptTabulation, ADefaultTabSizeThatGivesNoStopsTakesTheAttributesDefault) {
    SComWrap<ISRptPara> para = MakePara();
    for (int16_t size : {int16_t{0}, int16_t{-635}}) {
        para->PutDefaultTabSize(size);
        EXPECT_EQ(Owner(para.Get(), 100).first, 1270) << size;
        EXPECT_EQ(Owner(para.Get(), 1270).first, 2540) << size;
    }
    // A paragraph outside any session makes its default stops too.
    SComWrap<ISRepObject> made;
    ASSERT_EQ(SRepRegistry::CreateObject(CLSID_SRptPara, nullptr, &made), S_OK);
    SComWrap<ISRptPara> alone;
    alone = static_cast<IUnknown*>(made.Get());
    EXPECT_EQ(Owner(alone.Get(), 0).first, 1270);
}
