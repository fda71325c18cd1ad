// The stand-in host: loads the report library as a host application does.
#include <cstdio>

#include "varod9/RptApi.h"

int main() {
    const SVersionNumber* version = RptGetVersionNumber();
    if (!version) {
        std::printf("report library: start-up did not run\n");
        return 1;
    }
    std::printf("report library %s\n", version->GetText().c_str());
    std::printf("start-up ran: module state %s\n", SRptGetModuleState() ? "ready" : "missing");
    return 0;
}
