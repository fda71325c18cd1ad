#include "platform/ui/SPrintDlg.h"

SPrintDlg::SPrintDlg(bool printSetupOnly, uint32_t flags, SWnd* parent)
    : m_flags(printSetupOnly ? flags | PD_PRINTSETUP : flags), m_parent(parent) {}
