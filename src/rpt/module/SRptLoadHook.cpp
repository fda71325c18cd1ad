// Runs the library's start-up when the shared library is loaded and its reverse at unload, as the
// system's loader does for a dynamic library.
#include "rpt/module/SRptStartup.h"

namespace {
__attribute__((constructor)) void RptLibraryLoad() {
    SRptStartup::ProcessAttach(reinterpret_cast<void*>(&RptLibraryLoad));
}
__attribute__((destructor)) void RptLibraryUnload() {
    SRptStartup::ProcessDetach();
}
}  // namespace
