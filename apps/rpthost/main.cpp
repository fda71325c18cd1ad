// The stand-in host: starts the report library as a host application's loader does, runs the
// command line, and shuts the library down again.
#include <iostream>
#include <string>
#include <vector>

#include "SRptHostCommand.h"
#include "platform/gdi/SFontEngine.h"
#include "rpt/module/SRptStartup.h"

int main(int argc, char** argv) {
    SRptStartup::ProcessAttach(nullptr);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = SRptHostCommand::Run(args, std::cout, std::cerr);
    SRptStartup::ProcessDetach();
    // The process ends here: what cairo and fontconfig keep until exit goes too.
    SFontEngine::ReleaseSharedCaches();
    return status;
}
