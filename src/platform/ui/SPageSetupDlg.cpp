#include "platform/ui/SPageSetupDlg.h"

SPageSetupDlg::SPageSetupDlg(uint32_t flags, SWnd* parent) : m_parent(parent) {
    m_psd.Flags = flags;
}
