#pragma once
// The progress indicator that a load or a save of templates hands the repository framework when
// its caller gave none: every step goes to the host's progress display (ISShellProgress) of the
// source object, with the owner of the action first. Without such a display each operation
// answers at once (0, an empty text, or E_FAIL for those that answer a result code) and the
// action goes on without progress.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "platform/host/ISShellProgress.h"
#include "platform/host/SProgressIndicatorEx.h"

class SRptInterfaceForwarder final : public SProgressIndicatorEx {
public:
    // Asks `source` for its progress display; keeps `owner` (may be null) with a reference.
    SRptInterfaceForwarder(IUnknown* source, IUnknown* owner);

    int32_t SetPos(int32_t position, int32_t redraw) override;
    int32_t OffsetPos(int32_t offset, int32_t redraw) override;
    int32_t StepIt(int32_t redraw) override;
    int32_t GetPos() override;
    int32_t SetTotal(int32_t total) override;
    int32_t SetMessage(int32_t messageId) override;
    int32_t IsCanceled() override;
    int32_t Show() override;
    int32_t SetPercent(int32_t percent) override;
    int32_t SetSubStep(int32_t step) override;
    int32_t Hide() override;
    int32_t Update() override;
    SString GetTitle(int32_t part) override;
    SString GetText(int32_t part) override;
    int32_t Flush() override;
    HRESULT Begin(int32_t steps) override;
    HRESULT SetRange(int32_t low, int32_t high) override;
    HRESULT SetStep(int32_t position, int32_t step) override;
    HRESULT SetStatusText(const char* text, int32_t pane) override;
    HRESULT CanLongActionsBeCanceled(int32_t cancelable) override;
    HRESULT End() override;
    HRESULT Reset() override;

    bool HasDisplay() const { return static_cast<bool>(m_inner); }

private:
    // The display's answer to `call`, or `absent` without a display.
    template <class R, class F>
    R Forward(R absent, F call) {
        return m_inner ? call(m_inner.Get(), m_owner.Get()) : absent;
    }

    SComWrap<IUnknown> m_owner;
    SComWrap<ISShellProgress> m_inner;
};
