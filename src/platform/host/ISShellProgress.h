#pragma once
// The host's progress display for long actions. Every operation takes the owner of the action
// first. The first seven answer a result code; the rest report steps and texts.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISShellProgress : IUnknown {
    static constexpr GUID iid = IID_ISShellProgress;
    virtual HRESULT Begin(IUnknown* owner, int32_t steps) = 0;
    virtual HRESULT SetRange(IUnknown* owner, int32_t low, int32_t high) = 0;
    virtual HRESULT SetStep(IUnknown* owner, int32_t position, int32_t step) = 0;
    virtual HRESULT SetStatusText(IUnknown* owner, const char* text, int32_t pane) = 0;
    virtual HRESULT CanLongActionsBeCanceled(IUnknown* owner, int32_t cancelable) = 0;
    virtual HRESULT End(IUnknown* owner) = 0;
    virtual HRESULT Reset(IUnknown* owner) = 0;
    virtual int32_t SetPos(IUnknown* owner, int32_t position, int32_t redraw) = 0;
    virtual int32_t OffsetPos(IUnknown* owner, int32_t offset, int32_t redraw) = 0;
    virtual int32_t StepIt(IUnknown* owner, int32_t redraw) = 0;
    virtual int32_t GetPos(IUnknown* owner) = 0;
    virtual int32_t SetTotal(IUnknown* owner, int32_t total) = 0;
    virtual int32_t SetMessage(IUnknown* owner, int32_t messageId) = 0;
    virtual int32_t IsCanceled(IUnknown* owner) = 0;
    virtual int32_t Show(IUnknown* owner) = 0;
    virtual int32_t SetPercent(IUnknown* owner, int32_t percent) = 0;
    virtual int32_t SetSubStep(IUnknown* owner, int32_t step) = 0;
    virtual int32_t Hide(IUnknown* owner) = 0;
    virtual int32_t Update(IUnknown* owner) = 0;
    virtual SString GetTitle(IUnknown* owner, int32_t part) = 0;
    virtual SString GetText(IUnknown* owner, int32_t part) = 0;
    virtual int32_t Flush(IUnknown* owner) = 0;

protected:
    ~ISShellProgress() = default;
};
