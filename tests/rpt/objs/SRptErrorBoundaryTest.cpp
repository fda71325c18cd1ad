#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <utility>

#include "platform/base/SECOMException.h"
#include "platform/base/SEIOAbortedException.h"
#include "platform/base/SExceptionDialog.h"
#include "platform/base/STargetedException.h"
#include "platform/repo/SRepComObject.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/items/SRptFieldMem.h"
#include "support/SRptParaTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptCustom.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptTableRow.h"

namespace {

// What the interfaces promise, checked where they are declared: these answer every failure with
// a code ...
static_assert(noexcept(std::declval<ISRptPara&>().PutBox(true)));
static_assert(noexcept(std::declval<ISRptPara&>().PutParaName(std::declval<const SString&>())));
static_assert(noexcept(std::declval<ISRptPara&>().SetTabs(0, nullptr)));
static_assert(noexcept(std::declval<ISRptPara&>().ConstructStockPara(0)));
static_assert(noexcept(std::declval<ISRptParaContainer&>().IsParaSupportBox(0)));
static_assert(noexcept(std::declval<ISRptItem&>().PutLabel(std::declval<const SString&>())));
static_assert(noexcept(std::declval<ISRptItem&>().GetRegisteredItem(nullptr)));
static_assert(noexcept(std::declval<ISRptCustom&>().PutResPath(std::declval<const SString&>())));
static_assert(noexcept(std::declval<ISRptCustom&>().SetUserProcs(nullptr)));
static_assert(noexcept(std::declval<ISRptField&>().GetFieldVal(nullptr, nullptr, std::declval<SString&>())));
static_assert(noexcept(std::declval<ISRptTableRow&>().ConstructWithRowDef(nullptr)));
static_assert(noexcept(std::declval<ISRptTableCell&>().PutResPath(std::declval<const SString&>())));
static_assert(noexcept(std::declval<ISRptItem&>().Delete()));
// ... these throw SECOMException when the repository fails, and say so.
static_assert(!noexcept(std::declval<ISRptItem&>().ComputeParentTargetAndPos(nullptr, false, nullptr, nullptr)));
static_assert(!noexcept(std::declval<ISRptItem&>().CanMoveItemUp()));
static_assert(!noexcept(std::declval<ISRptItem&>().GetTemplate(nullptr)));
static_assert(!noexcept(std::declval<ISRptParaContainer&>().GetParaAtPos(0, nullptr)));
static_assert(!noexcept(std::declval<ISRptTableCell&>().GetPara(nullptr)));
static_assert(!noexcept(std::declval<ISRptTable&>().UpdateLabelPath(nullptr)));

// The exceptions a body may raise and the codes they become.
struct Raised {
    std::function<void()> raise;
    HRESULT code;
};

const Raised kRaised[] = {
    {[] { throw SECOMException(static_cast<HRESULT>(0x80070057)); }, static_cast<HRESULT>(0x80070057)},
    {[] { throw SEIOAbortedException(); }, static_cast<HRESULT>(0x80004004)},
    {[] { throw SEIOException("disk"); }, static_cast<HRESULT>(0x80030019)},
    {[] { throw std::bad_alloc(); }, static_cast<HRESULT>(0x8007000E)},
    {[] { throw 7; }, static_cast<HRESULT>(0x8000FFFF)},
};

// A paragraph whose reaction to a change fails, as a kind's reaction may (a form's paragraphs
// keeping each other in step).
class SFaultyPara : public SRptParaImpl {
public:
    static SFaultyPara* From(ISRptPara* para) {
        return dynamic_cast<SFaultyPara*>(SRepObjectMem::FromObject(static_cast<ISRepObject*>(para)));
    }
    std::function<void()> fault;

protected:
    explicit SFaultyPara(ISRepSession* session) : SRptParaImpl(session) {}
    SFaultyPara(const SFaultyPara& source) = default;

    HRESULT OnUpdateAttribute(int32_t id) override {
        if (fault) fault();
        return SRptParaImpl::OnUpdateAttribute(id);
    }
};

// A module's value provider that throws instead of answering.
class SThrowingFieldProcs final : public STestRefCounted<ISRptFieldProcs> {
public:
    HRESULT GetFieldVal(ISRptReport*, RPTFIELDVALREQ* pRequest) override {
        pRequest->Value = "half-made";
        raise();
        return S_OK;
    }
    std::function<void()> raise;
};

class SRptErrorBoundary : public SRptParaTest {
protected:
    SComWrap<ISRptPara> FaultyPara() {
        SRepObjectMem* made = nullptr;
        EXPECT_EQ(SRepComObject<SFaultyPara>::Factory(&made, session.Get(), nullptr), S_OK);
        SComWrap<ISRptPara> para;
        para.Assign(static_cast<ISRepObject*>(made));
        if (made) made->Release();
        return para;
    }
};

}  // namespace

TEST_F(SRptErrorBoundary, APutWhoseChangeFailsAnswersWithTheCodeOfTheException) {
    SComWrap<ISRptPara> para = FaultyPara();
    ASSERT_TRUE(para);
    int16_t left = 100;
    for (const Raised& r : kRaised) {
        SFaultyPara::From(para.Get())->fault = r.raise;
        EXPECT_EQ(para->PutLeft(++left), r.code);
        EXPECT_EQ(para->PutFontName(SString("Face ") + SString::FromInt(left)), r.code);
    }
    // Addressed to a frame further up or not, nothing passes the put.
    static int target;
    SFaultyPara::From(para.Get())->fault = [] { throw STargetedException(&target, "further up"); };
    EXPECT_EQ(para->PutBox(false), static_cast<HRESULT>(0x8000FFFF));
    // The put is an interface operation, not the attribute protocol: it reports nothing.
    EXPECT_TRUE(SExceptionDialog::GetReports().empty());
}

TEST_F(SRptErrorBoundary, TheAttributeProtocolStillReportsWhatThePutOnlyAnswers) {
    SComWrap<ISRptPara> para = FaultyPara();
    ASSERT_TRUE(para);
    SFaultyPara::From(para.Get())->fault = [] { throw SECOMException(static_cast<HRESULT>(0x80070057)); };
    EXPECT_EQ(para->PutRight(30), static_cast<HRESULT>(0x80070057));
    EXPECT_TRUE(SExceptionDialog::GetReports().empty());
    SRepVariant value;
    value.SetShort(40);
    EXPECT_EQ(para->SetAttribute(RPTPARA_RIGHT, value), static_cast<HRESULT>(0x80070057));
    ASSERT_EQ(SExceptionDialog::GetReports().size(), 1u);
    EXPECT_TRUE(SExceptionDialog::GetReports()[0].text.str().starts_with(
        "SRptParaMem::SetAttribute(dispid = 0x02006009, ...)\n (SECOMException"));
}

TEST_F(SRptErrorBoundary, ComputedPutsAndOperationsBuiltOnPutsKeepTheirFailuresIn) {
    SComWrap<ISRptPara> para = FaultyPara();
    ASSERT_TRUE(para);
    SFaultyPara::From(para.Get())->fault = [] { throw SECOMException(static_cast<HRESULT>(0x80004003)); };
    // A name the container does not give is announced, and the announcement fails.
    EXPECT_EQ(para->PutParaName("Heading"), static_cast<HRESULT>(0x80004003));
    // The creation record is announced attribute by attribute.
    EXPECT_EQ(para->SetSysCreationInfo("someone", 1000), static_cast<HRESULT>(0x80004003));
    // A stock paragraph is made of puts whose results it does not read: it still answers 0.
    EXPECT_EQ(para->ConstructStockPara(14), S_OK);
    EXPECT_TRUE(SExceptionDialog::GetReports().empty());
}

TEST_F(SRptErrorBoundary, AValueProviderThatThrowsGivesItsCodeAndLeavesTheTextAlone) {
    SComWrap<ISRptField> field;
    ASSERT_EQ(session->CreateObject(CLSID_SRptField, reinterpret_cast<void**>(&field), ISRptField::iid), S_OK);
    SComWrap<SThrowingFieldProcs> provider(new SThrowingFieldProcs);
    RPTFIELDDEF def;
    def.FieldName = "AUTHOR";
    def.Value = "fixed";
    def.FieldProcs = provider.Get();
    ASSERT_EQ(field->ConstructWithFieldDef(&def), S_OK);
    for (const Raised& r : kRaised) {
        provider->raise = r.raise;
        SString text = "before";
        EXPECT_EQ(field->GetFieldVal(nullptr, nullptr, text), r.code);
        EXPECT_EQ(text, "before");
    }
    // Let go of the provider before the field goes, as a module does.
    def.FieldProcs = nullptr;
    EXPECT_EQ(field->ConstructWithFieldDef(&def), S_OK);
}
