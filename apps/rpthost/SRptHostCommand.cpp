#include "SRptHostCommand.h"

#include <sys/stat.h>

#include <cstdio>
#include <optional>

#include "SDataModelModule.h"
#include "SDataModelReader.h"
#include "SDefaultReport.h"
#include "platform/base/SException.h"
#include "platform/ui/SNonInteractiveScript.h"
#include "varod9/RptApi.h"

namespace {

const char* const kUsage =
    "usage: rpthost generate --model FILE [--template FILE] [--format rtf] -o OUT\n"
    "       rpthost            (says which report library it runs on)\n";

struct SGenerateOptions {
    std::string model;
    std::string templateFile;
    std::string format = "rtf";
    std::string output;
};

// The options of "generate", or a message saying what is wrong with them.
std::optional<SGenerateOptions> ParseGenerate(const std::vector<std::string>& args, std::string& problem) {
    SGenerateOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string* target = arg == "--model"                 ? &options.model
                              : arg == "--template"            ? &options.templateFile
                              : arg == "--format"              ? &options.format
                              : arg == "-o" || arg == "--output" ? &options.output
                                                               : nullptr;
        if (!target) {
            problem = "unknown argument '" + arg + "'";
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            problem = arg + " needs a value";
            return std::nullopt;
        }
        *target = args[++i];
    }
    if (options.model.empty()) problem = "--model is required";
    else if (options.output.empty()) problem = "-o is required";
    else if (options.format != "rtf") problem = "format '" + options.format + "' is not supported (rtf only)";
    if (!problem.empty()) return std::nullopt;
    return options;
}

int64_t FileSize(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<int64_t>(info.st_size) : -1;
}

std::string Hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<uint32_t>(hr));
    return text;
}

int Generate(const SGenerateOptions& options, std::ostream& out, std::ostream& err) {
    if (!options.templateFile.empty()) {
        err << "rpthost: --template is not supported yet: template files cannot be read by this version\n";
        return SRptHostCommand::kUsageError;
    }
    SDataModel model;
    try {
        model = SDataModelReader::ReadFile(SString(options.model));
    } catch (const SException& e) {
        err << "rpthost: cannot read the model: " << e.GetText().str() << "\n";
        return SRptHostCommand::kFailure;
    }

    SComWrap<SDataModelModule> module;
    module.Attach(SDataModelModule::Create(model));
    HRESULT hr = module->Register();
    SComWrap<ISRepSession> session;
    SComWrap<ISRptReport> report;
    if (hr == S_OK) hr = SDefaultReport::Build(module->GetModel(), session, report);
    if (hr == S_OK) {
        // Nobody answers dialogs here: the save dialog gets the output path, the question
        // whether to open the file gets no.
        SNonInteractiveScript script;
        script.AddPath(SString(options.output));
        SInteractionScope scope(&script);
        hr = RptGenerateReport(report.Get(), nullptr, 0);
    }
    report.Clear();
    if (session) session->Close();
    session.Clear();
    module->Unregister();

    const int64_t size = FileSize(options.output);
    if (hr != S_OK || size < 0) {
        err << "rpthost: cannot write '" << options.output << "': the report generation failed (" << Hex(hr) << ")\n";
        return SRptHostCommand::kFailure;
    }
    out << "wrote " << options.output << " (" << size << " bytes; " << model.entities.size() << " entities, "
        << model.CountAttributes() << " attributes)\n";
    return 0;
}

}  // namespace

int SRptHostCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        const SVersionNumber* version = RptGetVersionNumber();
        if (!version) {
            err << "report library: start-up did not run\n";
            return kFailure;
        }
        out << "report library " << version->GetText().str() << "\n";
        out << "start-up ran: module state " << (SRptGetModuleState() ? "ready" : "missing") << "\n";
        return 0;
    }
    if (args[0] != "generate") {
        err << "rpthost: unknown command '" << args[0] << "'\n" << kUsage;
        return kUsageError;
    }
    std::string problem;
    const std::optional<SGenerateOptions> options = ParseGenerate(args, problem);
    if (!options) {
        err << "rpthost: " << problem << "\n" << kUsage;
        return kUsageError;
    }
    return Generate(*options, out, err);
}
