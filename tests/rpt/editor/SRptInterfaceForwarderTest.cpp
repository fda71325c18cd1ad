// The progress of a template load or save on the host's progress display: every step is passed on
// with the action's owner first; without a display the action goes on without progress.
#include <gtest/gtest.h>

#include <vector>

#include "rpt/editor/SRptInterfaceForwarder.h"
#include "support/STestRptProcs.h"

namespace {

// A host's progress display that records what it is told and answers with its own values.
class STestProgress final : public STestRefCounted<ISShellProgress> {
public:
    HRESULT Begin(IUnknown* o, int32_t steps) override { return Note(o, "Begin", steps); }
    HRESULT SetRange(IUnknown* o, int32_t low, int32_t high) override { return Note(o, "SetRange", low + high); }
    HRESULT SetStep(IUnknown* o, int32_t position, int32_t step) override { return Note(o, "SetStep", position + step); }
    HRESULT SetStatusText(IUnknown* o, const char* text, int32_t pane) override { return Note(o, SString(text), pane); }
    HRESULT CanLongActionsBeCanceled(IUnknown* o, int32_t c) override { return Note(o, "CanCancel", c); }
    HRESULT End(IUnknown* o) override { return Note(o, "End", 0); }
    HRESULT Reset(IUnknown* o) override { return Note(o, "Reset", 0); }
    int32_t SetPos(IUnknown* o, int32_t position, int32_t redraw) override { return Note(o, "SetPos", position + redraw); }
    int32_t OffsetPos(IUnknown* o, int32_t offset, int32_t redraw) override { return Note(o, "OffsetPos", offset + redraw); }
    int32_t StepIt(IUnknown* o, int32_t redraw) override { return Note(o, "StepIt", redraw); }
    int32_t GetPos(IUnknown* o) override { return Note(o, "GetPos", 0); }
    int32_t SetTotal(IUnknown* o, int32_t total) override { return Note(o, "SetTotal", total); }
    int32_t SetMessage(IUnknown* o, int32_t id) override { return Note(o, "SetMessage", id); }
    int32_t IsCanceled(IUnknown* o) override { return Note(o, "IsCanceled", 0); }
    int32_t Show(IUnknown* o) override { return Note(o, "Show", 0); }
    int32_t SetPercent(IUnknown* o, int32_t percent) override { return Note(o, "SetPercent", percent); }
    int32_t SetSubStep(IUnknown* o, int32_t step) override { return Note(o, "SetSubStep", step); }
    int32_t Hide(IUnknown* o) override { return Note(o, "Hide", 0); }
    int32_t Update(IUnknown* o) override { return Note(o, "Update", 0); }
    SString GetTitle(IUnknown* o, int32_t part) override { return Note(o, "GetTitle", part) ? "Saving" : ""; }
    SString GetText(IUnknown* o, int32_t part) override { return Note(o, "GetText", part) ? "Template" : ""; }
    int32_t Flush(IUnknown* o) override { return Note(o, "Flush", 0); }

    std::vector<SString> calls;
    std::vector<IUnknown*> owners;

private:
    int32_t Note(IUnknown* owner, const SString& what, int32_t value) {
        calls.push_back(what + " " + SString::FromInt(value));
        owners.push_back(owner);
        return 40 + static_cast<int32_t>(calls.size());
    }
};

}  // namespace

TEST(SRptInterfaceForwarder, EveryStepReachesTheHostsDisplayWithTheOwnerFirst) {
    SComWrap<STestProgress> display(new STestProgress);
    SComWrap<STestUnknown> owner(new STestUnknown);
    {
        SRptInterfaceForwarder forwarder(display.Get(), owner.Get());
        EXPECT_TRUE(forwarder.HasDisplay());
        EXPECT_EQ(forwarder.CanLongActionsBeCanceled(1), 41);
        EXPECT_EQ(forwarder.SetPos(5, 1), 42);
        EXPECT_EQ(forwarder.OffsetPos(2, 0), 43);
        EXPECT_EQ(forwarder.StepIt(1), 44);
        EXPECT_EQ(forwarder.SetRange(0, 100), 45);
        EXPECT_EQ(forwarder.SetStatusText("Reading", 2), 46);
        EXPECT_EQ(forwarder.GetTitle(1), "Saving");
        EXPECT_EQ(forwarder.GetText(0), "Template");
        EXPECT_EQ(forwarder.End(), 49);
        EXPECT_EQ(display->calls, (std::vector<SString>{"CanCancel 1", "SetPos 6", "OffsetPos 2", "StepIt 1",
                                                        "SetRange 100", "Reading 2", "GetTitle 1", "GetText 0",
                                                        "End 0"}));
        for (IUnknown* seen : display->owners) EXPECT_EQ(seen, static_cast<IUnknown*>(owner.Get()));
        EXPECT_EQ(owner->RefCount(), 2);
    }
    // The forwarder gives back the owner and the display when the action ends.
    EXPECT_EQ(owner->RefCount(), 1);
    EXPECT_EQ(display->RefCount(), 1);
}

TEST(SRptInterfaceForwarder, WithoutADisplayEachStepAnswersAtOnce) {
    SComWrap<STestUnknown> source(new STestUnknown);
    SRptInterfaceForwarder forwarder(source.Get(), nullptr);
    EXPECT_FALSE(forwarder.HasDisplay());
    EXPECT_EQ(forwarder.SetPos(5, 1), 0);
    EXPECT_EQ(forwarder.IsCanceled(), 0);
    EXPECT_EQ(forwarder.Flush(), 0);
    EXPECT_EQ(forwarder.GetTitle(1), "");
    EXPECT_EQ(forwarder.Begin(3), E_FAIL);
    EXPECT_EQ(forwarder.CanLongActionsBeCanceled(1), E_FAIL);
    EXPECT_EQ(forwarder.End(), E_FAIL);
    EXPECT_EQ(forwarder.Reset(), E_FAIL);
    SRptInterfaceForwarder none(nullptr, nullptr);
    EXPECT_EQ(none.SetStatusText("x", 0), E_FAIL);
}
