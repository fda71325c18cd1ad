#include "rpt/editor/SRptInterfaceForwarder.h"

SRptInterfaceForwarder::SRptInterfaceForwarder(IUnknown* source, IUnknown* owner) : m_owner(owner) {
    // A source without a progress display leaves the forwarder answering on its own.
    m_inner.Assign(source);
}

int32_t SRptInterfaceForwarder::SetPos(int32_t position, int32_t redraw) {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->SetPos(o, position, redraw); });
}

int32_t SRptInterfaceForwarder::OffsetPos(int32_t offset, int32_t redraw) {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->OffsetPos(o, offset, redraw); });
}

int32_t SRptInterfaceForwarder::StepIt(int32_t redraw) {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->StepIt(o, redraw); });
}

int32_t SRptInterfaceForwarder::GetPos() {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->GetPos(o); });
}

int32_t SRptInterfaceForwarder::SetTotal(int32_t total) {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->SetTotal(o, total); });
}

int32_t SRptInterfaceForwarder::SetMessage(int32_t messageId) {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->SetMessage(o, messageId); });
}

int32_t SRptInterfaceForwarder::IsCanceled() {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->IsCanceled(o); });
}

int32_t SRptInterfaceForwarder::Show() {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->Show(o); });
}

int32_t SRptInterfaceForwarder::SetPercent(int32_t percent) {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->SetPercent(o, percent); });
}

int32_t SRptInterfaceForwarder::SetSubStep(int32_t step) {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->SetSubStep(o, step); });
}

int32_t SRptInterfaceForwarder::Hide() {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->Hide(o); });
}

int32_t SRptInterfaceForwarder::Update() {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->Update(o); });
}

SString SRptInterfaceForwarder::GetTitle(int32_t part) {
    return Forward(SString(), [&](ISShellProgress* p, IUnknown* o) { return p->GetTitle(o, part); });
}

SString SRptInterfaceForwarder::GetText(int32_t part) {
    return Forward(SString(), [&](ISShellProgress* p, IUnknown* o) { return p->GetText(o, part); });
}

int32_t SRptInterfaceForwarder::Flush() {
    return Forward(0, [&](ISShellProgress* p, IUnknown* o) { return p->Flush(o); });
}

HRESULT SRptInterfaceForwarder::Begin(int32_t steps) {
    return Forward(E_FAIL, [&](ISShellProgress* p, IUnknown* o) { return p->Begin(o, steps); });
}

HRESULT SRptInterfaceForwarder::SetRange(int32_t low, int32_t high) {
    return Forward(E_FAIL, [&](ISShellProgress* p, IUnknown* o) { return p->SetRange(o, low, high); });
}

HRESULT SRptInterfaceForwarder::SetStep(int32_t position, int32_t step) {
    return Forward(E_FAIL, [&](ISShellProgress* p, IUnknown* o) { return p->SetStep(o, position, step); });
}

HRESULT SRptInterfaceForwarder::SetStatusText(const char* text, int32_t pane) {
    return Forward(E_FAIL, [&](ISShellProgress* p, IUnknown* o) { return p->SetStatusText(o, text, pane); });
}

HRESULT SRptInterfaceForwarder::CanLongActionsBeCanceled(int32_t cancelable) {
    return Forward(E_FAIL, [&](ISShellProgress* p, IUnknown* o) { return p->CanLongActionsBeCanceled(o, cancelable); });
}

HRESULT SRptInterfaceForwarder::End() {
    return Forward(E_FAIL, [&](ISShellProgress* p, IUnknown* o) { return p->End(o); });
}

HRESULT SRptInterfaceForwarder::Reset() {
    return Forward(E_FAIL, [&](ISShellProgress* p, IUnknown* o) { return p->Reset(o); });
}
