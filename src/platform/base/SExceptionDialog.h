#pragma once
// The exception report: where the system would show its exception dialog, the report is
// recorded (source file, line, formatted text) for the host and the tests to read. Nothing is
// printed and nothing blocks.
#include <cstdint>
#include <vector>

#include "platform/base/SString.h"

struct SExceptionReport {
    SString file;
    int32_t line = 0;
    SString text;
};

class SExceptionDialog {
public:
    static void Record(const char* file, int32_t line, SString text);
    static const std::vector<SExceptionReport>& GetReports();
    static void ClearReports();
};

template <class... Args>
void SExceptionDialog_(const char* file, int32_t line, const char* format, const Args&... args) {
    SExceptionDialog::Record(file, line, SString(SFormatText(format ? format : "", args...)));
}
