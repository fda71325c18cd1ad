#pragma once
// A test of paragraphs and their containers: an open session, the test container's registry,
// a clean settings store and freshly built report font tables, and at the end the check that
// every report object made has gone again.
#include <gtest/gtest.h>

#include "platform/base/SExceptionDialog.h"
#include "platform/base/SSettingsStore.h"
#include "platform/repo/SRepSession.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/paras/SRptParaMem.h"
#include "support/SRptTestParaContainerMem.h"
#include "varod9/RptApi.h"

class SRptParaTest : public testing::Test {
protected:
    void SetUp() override {
        SSettingsStore::Get().Clear();
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
        ForgetKeptDefaults();
        SRptTestParaContainerRegistry::Construct();
        live = SRptGetModuleState()->LockCount();
        ASSERT_EQ(SRepSession::Create("report", &session), S_OK);
        SExceptionDialog::ClearReports();
    }
    void TearDown() override {
        session->Close();
        session.Clear();
        EXPECT_EQ(SRptGetModuleState()->LockCount(), live) << "report objects left alive";
        SRptTestParaContainerRegistry::Destroy();
        ForgetKeptDefaults();
        SSettingsStore::Get().Clear();
    }
    // The paragraph class keeps the defaults it reported first for the life of its registry: a
    // registry made anew forgets what an earlier test's fonts gave.
    static void ForgetKeptDefaults() {
        SRptParaRegistry::Destroy();
        SRptParaRegistry::Construct();
    }

    // A paragraph of a class made in the session, outside any container.
    template <class I = ISRptPara>
    SComWrap<I> MakePara(const GUID& clsid = CLSID_SRptPara, bool initialise = false) {
        SComWrap<I> para;
        EXPECT_EQ(session->CreateObject(clsid, reinterpret_cast<void**>(&para), I::iid, initialise), S_OK);
        return para;
    }
    // A container of a class, free: the test container unless said otherwise.
    SComWrap<ISRptParaContainer> MakeContainer(const GUID& clsid = CLSID_SRptTestParaContainer) {
        SComWrap<ISRptParaContainer> container;
        EXPECT_EQ(session->CreateObject(clsid, reinterpret_cast<void**>(&container), ISRptParaContainer::iid), S_OK);
        return container;
    }
    // A paragraph created into the container's Paragraphs (initialised, as containers make them).
    static SComWrap<ISRptPara> AddPara(ISRptParaContainer* container, const GUID& clsid = CLSID_SRptPara,
                                       int32_t position = -1) {
        SComWrap<ISRptPara> para;
        EXPECT_EQ(container->CreateObject(clsid, reinterpret_cast<void**>(&para), ISRptPara::iid,
                                          RPTPARACONTAINER_PARAGRAPHS, position, true),
                  S_OK);
        return para;
    }
    static SRptTestParaContainerImpl* Container(ISRptParaContainer* container) {
        return dynamic_cast<SRptTestParaContainerImpl*>(SRepObjectMem::FromObject(container));
    }
    static SRptParaImpl* Impl(ISRptPara* para) {
        return dynamic_cast<SRptParaImpl*>(SRepObjectMem::FromObject(para));
    }

    SComWrap<ISRepSession> session;
    int32_t live = 0;
};
