#pragma once
// The value exchange between a dialog's controls and its members: towards the controls when a
// dialog starts, back into the members (with validation) when it is left. A value that does not
// validate fails the exchange.
#include <cstdint>

#include "platform/base/SString.h"

class SWnd;

class SDataExchange {
public:
    SDataExchange(SWnd* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    // The control `id` of the dialog (searched among all its descendants); null when none.
    SWnd* PrepareCtrl(int32_t id);
    void Fail() { m_failed = true; }
    bool Failed() const { return m_failed; }

    SWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;
    int32_t m_failedId = 0;

private:
    bool m_failed = false;
};

// Edit texts, whole numbers (a text that is not one fails), check states, combo and list box
// selections by index and by text.
void DDX_Text(SDataExchange* dx, int32_t id, SString& value);
void DDX_Text(SDataExchange* dx, int32_t id, int32_t& value);
void DDX_Check(SDataExchange* dx, int32_t id, int32_t& value);
void DDX_CBIndex(SDataExchange* dx, int32_t id, int32_t& index);
void DDX_CBString(SDataExchange* dx, int32_t id, SString& value);
void DDX_LBIndex(SDataExchange* dx, int32_t id, int32_t& index);
// Fails the exchange when a saved number lies outside [minimum, maximum].
void DDV_MinMaxInt(SDataExchange* dx, int32_t value, int32_t minimum, int32_t maximum);
