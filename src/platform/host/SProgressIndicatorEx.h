#pragma once
// A progress indicator of the class library, as long actions (loading and saving documents)
// report their progress: positions and steps, texts, and whether the user cancelled. The
// operations come in the order the class library gives them.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/HRESULT.h"

class SProgressIndicatorEx {
public:
    SProgressIndicatorEx() = default;
    SProgressIndicatorEx(const SProgressIndicatorEx&) = delete;
    SProgressIndicatorEx& operator=(const SProgressIndicatorEx&) = delete;
    virtual ~SProgressIndicatorEx() = default;

    virtual int32_t SetPos(int32_t position, int32_t redraw) = 0;
    virtual int32_t OffsetPos(int32_t offset, int32_t redraw) = 0;
    virtual int32_t StepIt(int32_t redraw) = 0;
    virtual int32_t GetPos() = 0;
    virtual int32_t SetTotal(int32_t total) = 0;
    virtual int32_t SetMessage(int32_t messageId) = 0;
    virtual int32_t IsCanceled() = 0;
    virtual int32_t Show() = 0;
    virtual int32_t SetPercent(int32_t percent) = 0;
    virtual int32_t SetSubStep(int32_t step) = 0;
    virtual int32_t Hide() = 0;
    virtual int32_t Update() = 0;
    virtual SString GetTitle(int32_t part) = 0;
    virtual SString GetText(int32_t part) = 0;
    virtual int32_t Flush() = 0;
    virtual HRESULT Begin(int32_t steps) = 0;
    virtual HRESULT SetRange(int32_t low, int32_t high) = 0;
    virtual HRESULT SetStep(int32_t position, int32_t step) = 0;
    virtual HRESULT SetStatusText(const char* text, int32_t pane) = 0;
    // Whether the user may cancel the long actions that follow (non-zero: yes).
    virtual HRESULT CanLongActionsBeCanceled(int32_t cancelable) = 0;
    virtual HRESULT End() = 0;
    virtual HRESULT Reset() = 0;
};
