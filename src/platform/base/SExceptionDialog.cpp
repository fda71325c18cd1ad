#include "platform/base/SExceptionDialog.h"

namespace {
std::vector<SExceptionReport>& Reports() {
    static std::vector<SExceptionReport> reports;
    return reports;
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
