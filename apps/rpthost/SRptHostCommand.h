#pragma once
// rpthost's command line. Without arguments it says which library it runs on;
//   rpthost generate --model FILE [--template FILE] [--format rtf] -o OUT
// reads the model, registers the data-model module, builds the default report (template files
// are not read yet), generates it through the library with the save dialog answered by OUT, and
// says what it wrote. Every failure ends with a message on `err` and a non-zero status.
#include <ostream>
#include <string>
#include <vector>

class SRptHostCommand {
public:
    static constexpr int kUsageError = 2;
    static constexpr int kFailure = 1;

    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};
