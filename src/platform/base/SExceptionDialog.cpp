#include "platform/base/SExceptionDialog.h"

namespace {
std::vector<SExceptionReport>& Reports() {
    // Never destroyed: the library's unload may run after the process's exit handlers.
    static std::vector<SExceptionReport>* reports = new std::vector<SExceptionReport>();
    return *reports;
}
}  // namespace

void SExceptionDialog::Record(const char* file, int32_t line, SString text) {
    Reports().push_back({SString(file), line, std::move(text)});
}

const std::vector<SExceptionReport>& SExceptionDialog::GetReports() {
    return Reports();
}

void SExceptionDialog::ClearReports() {
    Reports().clear();
}
