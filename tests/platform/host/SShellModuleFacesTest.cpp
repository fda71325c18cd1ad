// The shell module's list of view classes, its further face, and the connection of its event
// sink to the host frame's connection point.
#include <gtest/gtest.h>

#include <vector>

#include "platform/base/SECOMException.h"
#include "platform/host/IConnectionPoint.h"
#include "platform/host/IConnectionPointContainer.h"
#include "platform/host/SShellModule.h"
#include "platform/host/SShellViewClass.h"
#include "support/STestHostFrameOps.h"
#include "support/STestRptProcs.h"
#include "support/STestShellModule.h"

namespace {

int32_t RefsOf(IUnknown* object) {
    object->AddRef();
    return static_cast<int32_t>(object->Release());
}

// The host's connection point of ISShellEvents: it holds the advised sink as a host does.
class STestConnectionPoint final : public STestRefCounted<IConnectionPoint> {
public:
    HRESULT GetConnectionInterface(IID*) override { return E_NOTIMPL; }
    HRESULT GetConnectionPointContainer(IConnectionPointContainer**) override { return E_NOTIMPL; }
    HRESULT Advise(IUnknown* sink, uint32_t* cookie) override {
        ++advised;
        if (SUCCEEDED(answer)) held.Reset(sink);
        *cookie = 77;  // a refused request may still write one
        return answer;
    }
    HRESULT Unadvise(uint32_t cookie) override {
        unadvised.push_back(cookie);
        if (SUCCEEDED(answer)) held.Clear();
        return answer;
    }
    HRESULT EnumConnections(IUnknown**) override { return E_NOTIMPL; }

    HRESULT answer = S_OK;
    int32_t advised = 0;
    std::vector<uint32_t> unadvised;
    SComWrap<IUnknown> held;
};

// A host frame that is also a connection-point container, answering as it is told.
class STestEventHost final : public STestHostFrameOps, public IConnectionPointContainer {
public:
    static constexpr GUID iid = ISShellHostFrame::iid;
    HRESULT QueryInterface(const GUID& riid, void** out) override {
        *out = nullptr;
        if (riid == IUnknown::iid) {
            *out = static_cast<ISShellHostFrame*>(this);
        } else if (riid == IConnectionPointContainer::iid) {
            if (containerAnswer != S_OK) return containerAnswer;
            *out = static_cast<IConnectionPointContainer*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    uint32_t AddRef() override { return static_cast<uint32_t>(++refs); }
    uint32_t Release() override {
        if (--refs == 0) {
            delete this;
            return 0;
        }
        return static_cast<uint32_t>(refs);
    }
    HRESULT EnumConnectionPoints(IUnknown**) override { return E_NOTIMPL; }
    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** out) override {
        *out = nullptr;
        askedFor = iid;
        if (findAnswer != S_OK) return findAnswer;
        if (!giveNoPoint) {
            *out = point.Get();
            point->AddRef();
        }
        return S_OK;
    }

    int32_t refs = 0;
    HRESULT containerAnswer = S_OK;
    HRESULT findAnswer = S_OK;
    bool giveNoPoint = false;
    IID askedFor{};
    SComWrap<STestConnectionPoint> point{new STestConnectionPoint};
};

// A kind of view held by the test's own reference.
SComWrap<SShellViewClass, &ISShellViewClass::iid> NewViewClass() {
    return SComWrap<SShellViewClass, &ISShellViewClass::iid>(new SShellViewClass);
}

}  // namespace

TEST(SShellModuleViewClasses, TheHostEnumeratesTheViewClassesInTheOrderTheyWereAdded) {
    SComWrap<STestShellModule> module(new STestShellModule);
    SComWrap<STestEventHost> host(new STestEventHost);
    module->Initialize(host.Get());
    auto first = NewViewClass(), second = NewViewClass(), third = NewViewClass();
    EXPECT_EQ(module->AddViewClass(first.Get()), 1);
    EXPECT_EQ(module->AddViewClass(second.Get()), 1);
    EXPECT_EQ(module->AddViewClass(third.Get()), 1);
    EXPECT_EQ(module->AddViewClass(nullptr), 0);
    EXPECT_EQ(first->GetRefCount(), 2);  // the module holds a reference on each class
    // Attaching gives the class its module and the module's host frame.
    EXPECT_EQ(first->GetModule(), module.Get());
    EXPECT_EQ(first->GetHostFrame(), static_cast<ISShellHostFrame*>(host.Get()));

    int32_t position = 0;
    ISShellViewClass* viewClass = nullptr;
    std::vector<ISShellViewClass*> seen;
    while (module->GetNextViewClass(&position, &viewClass) == S_OK) seen.push_back(viewClass);
    EXPECT_EQ(seen, (std::vector<ISShellViewClass*>{first->GetViewClassFace(), second->GetViewClassFace(),
                                                    third->GetViewClassFace()}));
    EXPECT_EQ(position, 3);
    EXPECT_EQ(viewClass, nullptr);
    EXPECT_EQ(first->GetRefCount(), 2);  // enumeration adds no reference

    EXPECT_EQ(module->RemoveViewClass(second.Get()), 1);
    EXPECT_EQ(second->GetRefCount(), 1);
    EXPECT_EQ(module->RemoveViewClass(second.Get()), 0);
    position = 1;
    EXPECT_EQ(module->GetNextViewClass(&position, &viewClass), S_OK);
    EXPECT_EQ(viewClass, third->GetViewClassFace());

    // The module lets go of the classes it still holds when it goes.
    module.Clear();
    EXPECT_EQ(first->GetRefCount(), 1);
    EXPECT_EQ(third->GetRefCount(), 1);
}

TEST(SShellModuleViewClasses, AClassWithAHostFrameOfItsOwnKeepsIt) {
    SComWrap<STestShellModule> module(new STestShellModule);
    SComWrap<STestEventHost> moduleHost(new STestEventHost), ownHost(new STestEventHost);
    module->Initialize(moduleHost.Get());
    auto viewClass = NewViewClass();
    EXPECT_EQ(viewClass->AttachModule(nullptr), 1);
    EXPECT_EQ(viewClass->GetHostFrame(), nullptr);
    // Until the module is told its host frame, a class entered early has none.
    SComWrap<STestShellModule> early(new STestShellModule);
    auto earlyClass = NewViewClass();
    early->AddViewClass(earlyClass.Get());
    EXPECT_EQ(earlyClass->GetHostFrame(), nullptr);

    SComWrap<SShellViewClass, &ISShellViewClass::iid> own(new SShellViewClass(ownHost.Get()));
    EXPECT_EQ(ownHost->refs, 2);
    module->AddViewClass(own.Get());
    EXPECT_EQ(own->GetModule(), module.Get());
    EXPECT_EQ(own->GetHostFrame(), static_cast<ISShellHostFrame*>(ownHost.Get()));
}

TEST(SShellModuleFaces, TheFurtherFaceAnswersOnlyWhileEnabledAndTheSinkOnlyOnItsOwn) {
    SComWrap<STestShellModule> module(new STestShellModule);
    void* out = reinterpret_cast<void*>(0x10);
    EXPECT_EQ(module->QueryInterface(ISShellModuleExt::iid, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    module->EnableExtFace(1);
    SComWrap<ISShellModuleExt> ext;
    ASSERT_EQ(module->QueryInterface(ISShellModuleExt::iid, reinterpret_cast<void**>(&ext)), S_OK);
    EXPECT_EQ(ext->Unused1(), E_NOTIMPL);
    EXPECT_EQ(ext->Unused2(), E_NOTIMPL);
    // Any face leads back to the module.
    SComWrap<ISShellModule> shell;
    EXPECT_EQ(ext->QueryInterface(ISShellModule::iid, reinterpret_cast<void**>(&shell)), S_OK);
    EXPECT_EQ(shell.Get(), static_cast<ISShellModule*>(module.Get()));
    ext.Clear();
    shell.Clear();

    // The module does not answer ISShellEvents; the sink answers it and IUnknown with itself,
    // and its references are the module's.
    EXPECT_EQ(module->QueryInterface(ISShellEvents::iid, &out), E_NOINTERFACE);
    ISShellEvents* sink = module->GetEventSink();
    SComWrap<IUnknown> sinkUnknown;
    EXPECT_EQ(sink->QueryInterface(IUnknown::iid, reinterpret_cast<void**>(&sinkUnknown)), S_OK);
    EXPECT_EQ(sinkUnknown.Get(), static_cast<IUnknown*>(sink));
    EXPECT_EQ(module->GetRefCount(), 2);
    EXPECT_EQ(sink->QueryInterface(ISShellModule::iid, &out), E_NOINTERFACE);
    EXPECT_EQ(sink->OnShellEvent(3, nullptr), S_FALSE);  // every event accepted with 1
    sinkUnknown.Clear();
    EXPECT_EQ(RefsOf(static_cast<ISShellModule*>(module.Get())), 1);
}

TEST(SShellModuleEvents, ConnectingAdvisesTheSinkOnceAndDisconnectingUnadvisesItsCookie) {
    SComWrap<STestShellModule> module(new STestShellModule);
    EXPECT_EQ(module->ConnectEvents(1), 0);  // no host frame yet
    SComWrap<STestEventHost> host(new STestEventHost);
    module->Initialize(host.Get());
    EXPECT_EQ(module->ConnectEvents(0), 0);  // nothing to disconnect
    EXPECT_EQ(module->ConnectEvents(1), 1);
    EXPECT_EQ(host->askedFor, ISShellEvents::iid);
    EXPECT_EQ(host->point->held.Get(), static_cast<IUnknown*>(module->GetEventSink()));
    EXPECT_TRUE(module->IsConnected());
    EXPECT_EQ(module->ConnectEvents(1), 0);  // already connected
    EXPECT_EQ(host->point->advised, 1);
    EXPECT_EQ(module->ConnectEvents(0), 1);
    EXPECT_EQ(host->point->unadvised, (std::vector<uint32_t>{77}));
    EXPECT_FALSE(module->IsConnected());
    // The container and the connection point were given back.
    EXPECT_EQ(host->refs, 2);
    EXPECT_EQ(host->point->RefCount(), 1);

    EXPECT_EQ(RefsOf(static_cast<ISShellModule*>(module.Get())), 1);
}

TEST(SShellModuleEvents, OnlyAConnectionPointThatTookTheRequestCountsAsConnectedOrDisconnected) {
    SComWrap<STestShellModule> module(new STestShellModule);
    SComWrap<STestEventHost> host(new STestEventHost);
    module->Initialize(host.Get());

    // A refused Advise connects nothing and leaves no cookie behind.
    host->point->answer = E_FAIL;
    EXPECT_EQ(module->ConnectEvents(1), 0);
    EXPECT_FALSE(module->IsConnected());
    EXPECT_EQ(module->ConnectEvents(0), 0);  // nothing to unadvise
    EXPECT_TRUE(host->point->unadvised.empty());

    host->point->answer = S_OK;
    EXPECT_EQ(module->ConnectEvents(1), 1);
    EXPECT_TRUE(module->IsConnected());
    // A refused Unadvise keeps the cookie, so that a later disconnection tries again.
    host->point->answer = E_FAIL;
    EXPECT_EQ(module->ConnectEvents(0), 0);
    EXPECT_TRUE(module->IsConnected());
    host->point->answer = S_OK;
    EXPECT_EQ(module->ConnectEvents(0), 1);
    EXPECT_EQ(host->point->unadvised, (std::vector<uint32_t>{77, 77}));
    EXPECT_FALSE(module->IsConnected());
    EXPECT_EQ(host->refs, 2);
    EXPECT_EQ(host->point->RefCount(), 1);
}

TEST(SShellModuleEvents, AHostWithoutConnectionsGivesNoConnectionAndAFaultyOneThrows) {
    SComWrap<STestShellModule> module(new STestShellModule);
    SComWrap<STestEventHost> host(new STestEventHost);
    module->Initialize(host.Get());

    host->containerAnswer = E_NOINTERFACE;
    EXPECT_EQ(module->ConnectEvents(1), 0);
    host->containerAnswer = E_FAIL;
    try {
        module->ConnectEvents(1);
        ADD_FAILURE() << "a failed container query must throw";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), E_FAIL);
    }
    host->containerAnswer = S_OK;
    host->findAnswer = E_NOINTERFACE;
    EXPECT_EQ(module->ConnectEvents(1), 0);
    host->findAnswer = S_OK;
    host->giveNoPoint = true;
    try {
        module->ConnectEvents(1);
        ADD_FAILURE() << "a connection point reported found but missing must throw";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), E_POINTER);
    }
    EXPECT_FALSE(module->IsConnected());
    EXPECT_EQ(host->refs, 2);
}

TEST(SShellModuleEvents, TerminatingOrDestroyingTheModuleDisconnectsTheHostsHoldOnTheSink) {
    SComWrap<STestEventHost> host(new STestEventHost);
    {
        SComWrap<STestShellModule> module(new STestShellModule);
        module->Initialize(host.Get());
        module->ConnectEvents(1);
        EXPECT_EQ(module->GetRefCount(), 2);  // the host's hold on the sink counts on the module
        EXPECT_EQ(module->Terminate(), S_OK);
        EXPECT_EQ(host->point->unadvised, (std::vector<uint32_t>{77}));
        EXPECT_EQ(module->GetRefCount(), 1);
        EXPECT_EQ(module->GetHostFrame(), nullptr);
    }
    host->point->unadvised.clear();
    // A module released while connected: the host still holds the sink, so the module lives
    // until Terminate lets the host go.
    auto* module = new STestShellModule;
    module->AddRef();
    module->Initialize(host.Get());
    module->ConnectEvents(1);
    EXPECT_EQ(module->Release(), 1u);
    EXPECT_EQ(host->point->held.Get(), static_cast<IUnknown*>(module->GetEventSink()));
    module->AddRef();
    module->Terminate();
    EXPECT_EQ(host->point->held.Get(), nullptr);
    EXPECT_EQ(module->Release(), 0u);
    EXPECT_EQ(host->refs, 1);
}
