#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/base/SEOutOfMemory.h"
#include "platform/base/SExceptionDialog.h"
#include "platform/repo/ISRepDispatch.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepObjectBaseRegistry.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/module/SRptStartup.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "support/SRptTestSampleMem.h"
#include "varod9/RptApi.h"

namespace {

constexpr HRESULT kAccessDenied = static_cast<HRESULT>(0x80070005u);

class SRptBase : public testing::Test {
protected:
    void SetUp() override {
        SRptTestSampleRegistry::Construct();
        live = SRptGetModuleState()->LockCount();
        ASSERT_EQ(SRepSession::Create("report", &session), S_OK);
        SExceptionDialog::ClearReports();
        SRptTestSampleMem::fault = nullptr;
    }
    void TearDown() override {
        SRptTestSampleMem::fault = nullptr;
        session->Close();
        session.Clear();
        EXPECT_EQ(SRptGetModuleState()->LockCount(), live) << "report objects left alive";
        SRptTestSampleRegistry::Destroy();
    }
    SComWrap<ISRptTestSample> Make() {
        SComWrap<ISRptTestSample> sample;
        EXPECT_EQ(session->CreateObject(CLSID_SRptTestSample, reinterpret_cast<void**>(&sample), ISRptTestSample::iid),
                  S_OK);
        return sample;
    }
    static SRptTestSampleMem* Mem(ISRepObject* object) { return dynamic_cast<SRptTestSampleMem*>(object); }
    static const std::vector<SExceptionReport>& Reports() { return SExceptionDialog::GetReports(); }

    SComWrap<ISRepSession> session;
    int32_t live = 0;
};

}  // namespace

TEST_F(SRptBase, RegistryIsBuiltByStartUpAndIsAbstract) {
    SRptBaseRegistry* registry = SRptBaseRegistry::Get();
    ASSERT_NE(registry, nullptr);
    EXPECT_EQ(SRepRegistry::Find(CLSID_SRptBase), registry);
    EXPECT_FALSE(registry->IsCreatable());
    EXPECT_EQ(registry->GetModuleState(), SRptGetModuleState());
    EXPECT_EQ(registry->GetFlags(), 1u);
    EXPECT_EQ(registry->GetAttrEditorMap(), &SRptBaseRegistry::attrEditorMap);
    EXPECT_EQ(SRptBaseRegistry::attrEditorMap.baseMap, &SRepObjectBaseRegistry::attrEditorMap);
    EXPECT_EQ(SRptTestSampleRegistry::attrEditorMap.baseMap, &SRptBaseRegistry::attrEditorMap);
    EXPECT_EQ(SRptTestSampleRegistry::attrEditorMap.FindEditor(SAMPLE_LABEL), nullptr);
    EXPECT_TRUE(registry->IsKindOf(CLSID_SRepObject));
    EXPECT_TRUE(SRepHasCollection(CLSID_SRptBase, 0x0480019F));
    SComWrap<ISRepObject> none;
    EXPECT_EQ(session->CreateObject(CLSID_SRptBase, reinterpret_cast<void**>(&none), ISRepObject::iid), E_INVALIDARG);

    SRptStartup::ProcessDetach();
    EXPECT_EQ(SRptBaseRegistry::Get(), nullptr);
    SRptBaseRegistry::Destroy();  // a second destruction does nothing
    SRptStartup::ProcessAttach(nullptr);
    EXPECT_NE(SRptBaseRegistry::Get(), nullptr);
    EXPECT_FALSE(SRptBaseRegistry::IsClassInitialisedNow());  // a new start-up starts afresh
}

TEST_F(SRptBase, IdMinusOneIsRefusedWithoutAReport) {
    SComWrap<ISRptTestSample> sample = Make();
    SRepVariant value;
    EXPECT_EQ(sample->GetAttribute(-1, &value), E_FAIL);
    EXPECT_EQ(sample->SetAttribute(-1, value), E_FAIL);
    EXPECT_EQ(sample->GetAttributeDefault(-1, &value), E_FAIL);
    EXPECT_EQ(sample->GetAttributeType(-1), 0u);
    EXPECT_EQ(sample->GetAttributeFlags(-1), 0u);
    EXPECT_FALSE(sample->HasAttribute(-1));
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(sample->GetAttribute(SAMPLE_LABEL, nullptr), E_POINTER);
}

TEST_F(SRptBase, IdsNoClassKnowsReachTheRepositoryBase) {
    SComWrap<ISRptTestSample> sample = Make();
    SRepVariant value;
    EXPECT_EQ(sample->GetAttribute(0x0200ABCD, &value), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(sample->SetAttribute(0x0200ABCD, value), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(sample->GetAttributeType(0x0200ABCD), 0u);
    ASSERT_EQ(sample->GetAttribute(0x01000001, &value), S_OK);  // the object id
    EXPECT_EQ(value.GetType(), SREP_VT_OID);
    EXPECT_EQ(sample->GetAttributeType(0x01000001), SREP_VT_OID);
    EXPECT_TRUE(Reports().empty());

    ASSERT_EQ(sample->GetAttribute(SAMPLE_LABEL, &value), S_OK);
    EXPECT_EQ(value.GetText(), "sample");
    ASSERT_EQ(sample->GetAttribute(SAMPLE_ITEMS, &value), S_OK);
    EXPECT_EQ(value.GetType(), SREP_VT_COLLECTION);
    EXPECT_NE(value.GetCollection(), nullptr);
}

TEST_F(SRptBase, HasAttributeAndIsKindOfAnswerTheirLists) {
    SComWrap<ISRptTestSample> sample = Make();
    for (int32_t id : {0x01000001, 0x0100000A, 0x0100000C, 0x01000010, 0x01000011, 0x01000012, 0x01000013, 0x01000019,
                       0x0100001B, 0x0100003F, 0x0100004D, SAMPLE_LABEL})
        EXPECT_TRUE(sample->HasAttribute(id)) << std::hex << id;
    for (int32_t id : {0x01000002, 0x01000004, 0x0100000B, 0x02000151})
        EXPECT_FALSE(sample->HasAttribute(id)) << std::hex << id;
    EXPECT_TRUE(sample->HasCollection(0x02000151));
    EXPECT_TRUE(sample->HasCollection(0x0480019F));
    EXPECT_FALSE(sample->HasCollection(0x02006090));

    for (const GUID& clsid : {CLSID_SRptTestSample, CLSID_SRptBase, MakeGUID("{362D41EA-9D82-11D1-8E5D-444553540000}"),
                              MakeGUID("{362D41E0-9D82-11D1-8E5D-444553540000}")})
        EXPECT_TRUE(SRepIsKindOf(sample.Get(), clsid)) << GUIDToString(clsid);
    EXPECT_FALSE(sample->IsKindOf(MakeGUID("{A6BAC8E3-B730-11D1-8898-00A02455633B}")));
    EXPECT_FALSE(SRptBaseMem::ClassIsKindOf(CLSID_SRptTestSample));
}

TEST_F(SRptBase, ACOMExceptionWhileReadingGivesItsCodeAndOneReport) {
    SComWrap<ISRptTestSample> sample = Make();
    SRptTestSampleMem::fault = [] { throw SECOMException(E_INVALIDARG); };
    SRepVariant value;
    EXPECT_EQ(sample->GetAttribute(SAMPLE_FAULT, &value), static_cast<HRESULT>(0x80070057));
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0].file, "RPT\\Objs\\SRptTestSampleMem");
    EXPECT_GT(Reports()[0].line, 0);
    EXPECT_EQ(Reports()[0].text, "SRptTestSampleMem::GetAttribute(dispid = 0x0200F1FF, ...)\n (SECOMException)");
}

TEST_F(SRptBase, AForeignExceptionGivesUnexpectedAndUnknow) {
    SComWrap<ISRptTestSample> sample = Make();
    SRptTestSampleMem::fault = [] { throw std::runtime_error("not ours"); };
    SRepVariant value;
    EXPECT_EQ(sample->GetAttribute(SAMPLE_FAULT, &value), static_cast<HRESULT>(0x8000FFFF));
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0].text, "SRptTestSampleMem::GetAttribute(dispid = 0x0200F1FF, ...)\n (unknow)");
}

TEST_F(SRptBase, ATargetedExceptionWithATargetGoesOnUnreported) {
    SComWrap<ISRptTestSample> sample = Make();
    static int target;
    SRptTestSampleMem::fault = [] { throw STargetedException(&target, "to the frame"); };
    SRepVariant value;
    try {
        sample->GetAttribute(SAMPLE_FAULT, &value);
        FAIL() << "expected the targeted exception";
    } catch (const STargetedException& e) {
        EXPECT_EQ(e.GetTarget(), &target);
    }
    EXPECT_TRUE(Reports().empty());
    // Without a target it is just another foreign exception.
    SRptTestSampleMem::fault = [] { throw STargetedException(); };
    EXPECT_EQ(sample->GetAttribute(SAMPLE_FAULT, &value), E_UNEXPECTED);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0].text, "SRptTestSampleMem::GetAttribute(dispid = 0x0200F1FF, ...)\n (unknow)");
}

TEST(SRptAttributeGuard, EachClauseOfTheLadderHasItsCodeAndText) {
    const SRptAttributeGuard guard("RPT\\Objs\\SRptBaseMem", "SRptBaseMem");
    struct Case {
        void (*raise)();
        HRESULT code;
        const char* text;
    };
    const Case cases[] = {
        {[] { throw SEIOAbortedException(); }, E_ABORT, "SEIOAbortedException"},
        {[] { throw SEIOException("disk"); }, static_cast<HRESULT>(0x80030019), "SEIOException: disk"},
        {[] { throw SEOutOfMemory(); }, E_OUTOFMEMORY, "SEOutOfMemory"},
        {[] { throw SECOMException(E_POINTER, "none"); }, E_POINTER, "SECOMException: none"},
        {[] { throw SException("plain"); }, E_UNEXPECTED, "SException: plain"},
        {[] { throw std::bad_alloc(); }, E_OUTOFMEMORY, "SEOutOfMemory"},
        {[] { throw 42; }, E_UNEXPECTED, "unknow"},
    };
    SRepVariant value;
    for (const Case& c : cases) {
        SExceptionDialog::ClearReports();
        const int32_t line = __LINE__ + 1;
        EXPECT_EQ(guard.Set(0x02006090, [&]() -> HRESULT { c.raise(); return S_OK; }), c.code);
        ASSERT_EQ(SExceptionDialog::GetReports().size(), 1u);
        const SExceptionReport& report = SExceptionDialog::GetReports()[0];
        EXPECT_EQ(report.file, "RPT\\Objs\\SRptBaseMem");
        EXPECT_EQ(report.line, line);
        EXPECT_EQ(report.text, SString("SRptBaseMem::SetAttribute(dispid = 0x02006090, ...)\n (") + c.text + ")");
    }
    SExceptionDialog::ClearReports();
    guard.Default(0x02006090, &value, []() -> HRESULT { throw SException(); });
    ASSERT_EQ(SExceptionDialog::GetReports().size(), 1u);
    EXPECT_EQ(SExceptionDialog::GetReports()[0].text,
              "SRptBaseMem::GetAttributeDefault(dispid = 0x02006090, ...)\n (SException)");
    SExceptionDialog::ClearReports();
}

TEST_F(SRptBase, FactoryCountsObjectsAndAFailingFinalConstructLeavesNone) {
    {
        SComWrap<ISRptTestSample> sample = Make();
        EXPECT_EQ(SRptGetModuleState()->LockCount(), live + 1);
        EXPECT_TRUE(SRptTestSampleRegistry::IsClassInitialisedNow());
        EXPECT_TRUE(SRptBaseRegistry::IsClassInitialisedNow());
    }
    EXPECT_EQ(SRptGetModuleState()->LockCount(), live);
    EXPECT_EQ(SRptTestSampleMem::countAtLastDestruction, 0x7FFFFFFF);

    SRptTestSampleMem::failNextFinalConstruct = kAccessDenied;
    SRepObjectMem* out = reinterpret_cast<SRepObjectMem*>(1);
    EXPECT_EQ(SRepComObject<SRptTestSampleImpl>::Factory(&out, session.Get(), nullptr), kAccessDenied);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(SRptGetModuleState()->LockCount(), live);
    EXPECT_EQ(SRptTestSampleRegistry::Get()->GetAllocator()->GetLiveCount(), 0);
    EXPECT_EQ(SRepComObject<SRptTestSampleImpl>::Factory(nullptr, session.Get(), nullptr), E_POINTER);
}

TEST_F(SRptBase, AStrayReferenceDuringDestructionDeletesNothingTwice) {
    SRptTestSampleMem::strayReferenceWhileDestroyed = true;
    Make().Clear();
    SRptTestSampleMem::strayReferenceWhileDestroyed = false;
    EXPECT_EQ(SRptTestSampleMem::countAtLastDestruction, 0x7FFFFFFF);
    EXPECT_EQ(SRptGetModuleState()->LockCount(), live);
    EXPECT_EQ(SRptTestSampleRegistry::Get()->GetAllocator()->GetLiveCount(), 0);
}

TEST_F(SRptBase, QueryInterfaceAnswersTheChainWithOneIdentity) {
    SComWrap<ISRptTestSample> sample = Make();
    SComWrap<IUnknown> unknown;
    ASSERT_EQ(unknown.Assign(sample.Get()), S_OK);
    SComWrap<ISRepDispatch> dispatch;
    ASSERT_EQ(dispatch.Assign(sample.Get()), S_OK);
    EXPECT_NE(static_cast<void*>(dispatch.Get()), static_cast<void*>(unknown.Get()));
    SComWrap<IUnknown> again;
    ASSERT_EQ(again.Assign(unknown.Get()), S_OK);
    EXPECT_EQ(again.Get(), unknown.Get());
    ASSERT_EQ(again.Assign(dispatch.Get()), S_OK);
    EXPECT_EQ(again.Get(), unknown.Get());

    // The class interface, the interfaces it extends and the object's faces are all one object.
    SComWrap<ISRptBase> base;
    ASSERT_EQ(base.Assign(dispatch.Get()), S_OK);
    SComWrap<ISRepObject> object;
    ASSERT_EQ(object.Assign(base.Get()), S_OK);
    SComWrap<ISRepObject, &IID_ISRepObjectBase> second;
    ASSERT_EQ(second.Assign(base.Get()), S_OK);
    EXPECT_EQ(second.Get(), object.Get());
    SComWrap<ISRepObjectInit> init;
    ASSERT_EQ(init.Assign(object.Get()), S_OK);
    SComWrap<ISRptTestSample> back;
    ASSERT_EQ(back.Assign(init.Get()), S_OK);
    EXPECT_EQ(back.Get(), sample.Get());
    EXPECT_EQ(back->GetLabel(), "sample");
    EXPECT_TRUE(init.IsEqualObject(dispatch.Get()));
    EXPECT_FALSE(init.IsEqualObject(Make().Get()));

    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(sample->QueryInterface(MakeGUID("{E5E95718-B72F-11D1-8898-00A02455633B}"), &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(sample->QueryInterface(IUnknown::iid, nullptr), E_POINTER);

    // One count for every face: AddRef and Release give it back.
    const uint32_t count = sample->AddRef();
    EXPECT_EQ(dispatch->AddRef(), count + 1);
    EXPECT_EQ(init->Release(), count);
    EXPECT_EQ(sample->Release(), count - 1);
}

TEST_F(SRptBase, CreatedIntoACollectionItIsInitialisedOnceAndCopiesAreNot) {
    SComWrap<ISRptTestSample> parent = Make();
    SComWrap<ISRptTestSample> child;
    ASSERT_EQ(parent->CreateObject(CLSID_SRptTestSample, reinterpret_cast<void**>(&child), ISRptTestSample::iid,
                                   SAMPLE_ITEMS, -1, true),
              S_OK);
    EXPECT_EQ(Mem(child.Get())->initCount, 1);
    EXPECT_EQ(Mem(child.Get())->initParent, static_cast<ISRepObject*>(parent.Get()));
    SComWrap<ISRepObjectInit> init;
    ASSERT_EQ(init.Assign(child.Get()), S_OK);
    EXPECT_EQ(init->InitObject(nullptr), S_FALSE);
    EXPECT_EQ(Mem(child.Get())->initCount, 1);
    EXPECT_EQ(parent->Items().GetCount(), 1);
    child->PutCount(7);
    child->PutLabel("child");

    SComWrap<ISRepObject> copy;
    ASSERT_EQ(parent->Duplicate(nullptr, SREP_DUPLICATE_DEEP, nullptr, &copy), S_OK);
    SComWrap<ISRptTestSample> copiedChild;
    copiedChild = SRepClassColPtr(copy.Get(), SAMPLE_ITEMS).Item(0);
    ASSERT_TRUE(copiedChild);
    EXPECT_NE(copiedChild.Get(), child.Get());
    EXPECT_EQ(copiedChild->GetCount(), 7);
    EXPECT_EQ(copiedChild->GetLabel(), "child");
    EXPECT_EQ(Mem(copiedChild.Get())->initCount, 0);
    EXPECT_EQ(SRptGetModuleState()->LockCount(), live + 4);
    // A copy's own initialisation face is still fresh.
    ASSERT_EQ(init.Assign(copiedChild.Get()), S_OK);
    EXPECT_EQ(init->InitObject(copy.Get()), S_OK);
    EXPECT_EQ(Mem(copiedChild.Get())->initCount, 1);
}
