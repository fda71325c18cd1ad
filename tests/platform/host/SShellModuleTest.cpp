#include <gtest/gtest.h>

#include <vector>

#include "platform/host/SShellModule.h"
#include "support/STestHostFrameOps.h"
#include "support/STestRptProcs.h"

namespace {

// A host frame of the test's.
class STestHostFrame final : public STestRefCounted<STestHostFrameOps> {};

// A module that records its initialisations and actions.
class STestShellModule final : public SShellModule {
public:
    HRESULT OnInitialize(int32_t arg) override {
        initialisations.push_back(arg);
        return S_OK;
    }
    HRESULT OnAction(uint32_t action, IUnknown*, uint32_t flags, SShellView** view, SProgressIndicatorEx* progress,
                     IUnknown**) override {
        actions.push_back(action + flags);
        viewAsked = view != nullptr || progress != nullptr;
        return S_OK;
    }
    HRESULT OnAction(uint32_t action, const char16_t* path, uint32_t, SShellView** view, SProgressIndicatorEx*,
                     IUnknown**) override {
        actions.push_back(action);
        lastPath = path ? path : u"";
        viewAsked = view != nullptr;
        return S_FALSE;
    }

    std::vector<int32_t> initialisations;
    std::vector<uint32_t> actions;
    std::u16string lastPath;
    bool viewAsked = true;
};

int32_t RefsOf(IUnknown* object) {
    object->AddRef();
    return static_cast<int32_t>(object->Release());
}

}  // namespace

TEST(SShellModule, TheModuleAnswersItsShellFaceAndNothingElse) {
    SComWrap<STestShellModule> module(new STestShellModule);
    EXPECT_EQ(module->GetRefCount(), 1);  // counted from 0: the first reference is ours
    SComWrap<ISShellModule> face;
    EXPECT_EQ(module->QueryInterface(ISShellModule::iid, reinterpret_cast<void**>(&face)), S_OK);
    EXPECT_EQ(face.Get(), static_cast<ISShellModule*>(module.Get()));
    SComWrap<IUnknown> unknown;
    EXPECT_EQ(module->QueryInterface(IUnknown::iid, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(module->GetRefCount(), 3);
    void* other = reinterpret_cast<void*>(0x10);
    EXPECT_EQ(module->QueryInterface(MakeGUID("{C69CBB91-6A51-11D0-90A3-444553540000}"), &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(module->QueryInterface(ISShellModule::iid, nullptr), E_POINTER);
}

TEST(SShellModule, InitialisingKeepsTheHostFrameUntilTheModuleIsTerminated) {
    SComWrap<STestShellModule> module(new STestShellModule);
    SComWrap<STestHostFrame> frame(new STestHostFrame);
    EXPECT_EQ(module->Initialize(frame.Get()), S_OK);
    EXPECT_EQ(module->GetHostFrame(), frame.Get());
    EXPECT_EQ(frame->RefCount(), 2);
    EXPECT_EQ(module->InitializeEx(frame.Get(), 5), S_OK);
    EXPECT_EQ(frame->RefCount(), 2);  // the same frame is not taken twice
    EXPECT_EQ(module->initialisations, (std::vector<int32_t>{1, 5}));
    EXPECT_EQ(module->Terminate(), S_OK);
    EXPECT_EQ(module->GetHostFrame(), nullptr);
    EXPECT_EQ(frame->RefCount(), 1);

    // A frame held when the module goes is let go.
    module->Initialize(frame.Get());
    module.Clear();
    EXPECT_EQ(frame->RefCount(), 1);
}

TEST(SShellModule, TheHostsActionsReachTheModuleWithoutAViewAndTheOtherOperationsAnswerEmpty) {
    SComWrap<STestShellModule> module(new STestShellModule);
    SComWrap<IUnknown> result;
    EXPECT_EQ(module->OnActionFromHost(1, nullptr, 4, &result), S_OK);
    EXPECT_FALSE(module->viewAsked);
    EXPECT_EQ(module->OnActionPathFromHost(2, u"/reports/a.rtp", 0, &result), S_FALSE);
    EXPECT_FALSE(module->viewAsked);
    EXPECT_EQ(module->actions, (std::vector<uint32_t>{5, 2}));
    EXPECT_EQ(module->lastPath, u"/reports/a.rtp");

    ISFormatFilter* filter = reinterpret_cast<ISFormatFilter*>(0x10);
    EXPECT_EQ(module->GetFormatFilter(&filter), S_FALSE);
    EXPECT_EQ(filter, nullptr);
    int32_t position = 0;
    ISShellViewClass* viewClass = reinterpret_cast<ISShellViewClass*>(0x10);
    EXPECT_EQ(module->GetNextViewClass(&position, &viewClass), S_FALSE);
    EXPECT_EQ(viewClass, nullptr);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(module->GetNextViewClass(nullptr, &viewClass), E_POINTER);
    EXPECT_EQ(RefsOf(static_cast<ISShellModule*>(module.Get())), 1);
}
