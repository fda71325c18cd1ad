#pragma once
// A test of the report items: the test item classes registered, an open session, makers for
// items, templates and reports, and at the end the check that every report object made has gone.
#include <gtest/gtest.h>

#include <optional>

#include "platform/base/SExceptionDialog.h"
#include "platform/repo/SRepSession.h"
#include "support/SRptTestItemMem.h"
#include "varod9/RptApi.h"

class SRptItemTestFixture : public testing::Test {
protected:
    void SetUp() override {
        classes.emplace();
        live = SRptGetModuleState()->LockCount();
        ASSERT_EQ(SRepSession::Create("report", &session), S_OK);
        SExceptionDialog::ClearReports();
    }
    void TearDown() override {
        session->Close();
        session.Clear();
        EXPECT_EQ(SRptGetModuleState()->LockCount(), live) << "report objects left alive";
        classes.reset();
    }

    // A new object of a class, free, as interface I.
    template <class I = ISRptItem>
    SComWrap<I> Make(const GUID& clsid) {
        SComWrap<I> made;
        EXPECT_EQ(session->CreateObject(clsid, reinterpret_cast<void**>(&made), I::iid), S_OK);
        return made;
    }
    // A new object appended to a collection of `owner` (Items unless said otherwise).
    template <class I = ISRptItem>
    SComWrap<I> MakeIn(ISRepObject* owner, const GUID& clsid, int32_t collection = RPTITEM_ITEMS) {
        SComWrap<I> made;
        EXPECT_EQ(owner->CreateObject(clsid, reinterpret_cast<void**>(&made), I::iid, collection, -1, false), S_OK);
        return made;
    }
    // A test item with a label, free or appended to a parent's Items.
    SComWrap<ISRptItem> Item(const char* label, bool container = false, ISRptItem* parent = nullptr) {
        SComWrap<ISRptItem> item = parent ? MakeIn(parent, CLSID_SRptTestItem) : Make(CLSID_SRptTestItem);
        item->PutLabel(label);
        Test(item.Get())->container = container;
        return item;
    }
    static SRptTestItemImpl* Test(IUnknown* item) { return SRptTestItemImpl::From(item); }
    static SRepObjectMem* Mem(IUnknown* object) {
        SComWrap<ISRepObject> repObject;
        repObject.Assign(object);
        return SRepObjectMem::FromObject(repObject.Get());
    }
    static int32_t Refs(IUnknown* object) { return Mem(object)->GetRefCount(); }
    static bool Same(IUnknown* a, IUnknown* b) { return SComWrap<IUnknown>(a).IsEqualObject(b); }

    std::optional<SRptTestItemClasses> classes;
    SComWrap<ISRepSession> session;
    int32_t live = 0;
};
