#include "SRptHostFrame.h"

SStandInHost& SRptHostFrame::Get() {
    static SComWrap<SStandInHost, &ISShellHostFrame::iid> host = SStandInHost::Create();
    return *host;
}
