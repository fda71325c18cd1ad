#pragma once
// rpthost's host frame: one stand-in host for the process, as a host application has one frame.
// The library's kinds of views keep the first host frame they meet for the process (their menus,
// toolbars and accelerators went to it), so every editor and preview of the process opens in this
// one. Each run finds it without frames; what it recorded before is the earlier runs'.
#include "platform/host/SStandInHost.h"

class SRptHostFrame {
public:
    static SStandInHost& Get();
};
