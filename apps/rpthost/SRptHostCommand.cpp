#include "SRptHostCommand.h"

#include <cstdio>
#include <optional>
#include <set>
#include <utility>

#include "HresultText.h"
#include "SDataModelModule.h"
#include "SDataModelReader.h"
#include "SDefaultReport.h"
#include "SPngPreviewShell.h"
#include "SRptEditScript.h"
#include "SRptHostEditor.h"
#include "SRptHostPaths.h"
#include "SRptHostScript.h"
#include "SRptHostTemplateFile.h"
#include "platform/base/SException.h"
#include "platform/base/SFile.h"
#include "platform/base/SOutputFileSet.h"
#include "rpt/devices/html/SRptHtmlPageNames.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "varod9/RptApi.h"

const char* const SRptHostCommand::kUsage =
    "usage: rpthost generate --model FILE [--template FILE] [--format rtf|html|pdf] -o OUT\n"
    "       rpthost save-template --model FILE -o OUT [--form xml|binary]\n"
    "       rpthost preview --model FILE -o DIR\n"
    "       rpthost edit TEMPLATE --script FILE [--form xml|binary] [--verbose]\n"
    "       rpthost --help\n"
    "       rpthost            (says which report library it runs on)\n"
    "\n"
    "generate       writes the report on the model FILE: an RTF file OUT, or with --format html an\n"
    "               HTML page set whose contents page is OUT and whose other pages and pictures go\n"
    "               into OUT's folder. The report holds the default template, or with --template\n"
    "               the template that FILE holds (a file written by save-template or edit). With\n"
    "               --format pdf the report is printed to the PDF file OUT. An OUT whose name has\n"
    "               no extension takes .rtf, .htm or .pdf.\n"
    "save-template  writes the default template of the report on the model FILE as the template\n"
    "               file OUT, for generate --template, edit and the editor's templates folder: an\n"
    "               XML template, or with --form binary a binary one. The file that was OUT is\n"
    "               kept as its backup, OUT's name with the extension .rtb.\n"
    "preview        opens the print preview of the report on the model FILE and writes the pages\n"
    "               it shows as pictures DIR/page-1.png, DIR/page-2.png and so on.\n"
    "edit           opens the template file TEMPLATE (an empty template when there is none) in\n"
    "               the template editor, runs the host actions of the script FILE on it and saves\n"
    "               it as save-template does (also when the script closes the editor), in the\n"
    "               form it was read in unless --form says another; --verbose shows what the\n"
    "               host recorded.\n"
    "\n"
    "The model file, the edit script and the prompts a script answers: apps/rpthost/README.md\n";

namespace {

enum class SCommand { Generate, SaveTemplate, Preview };

struct SOptions {
    SCommand command = SCommand::Generate;
    std::string model;
    std::string templateFile;
    std::string format = "rtf";
    std::string form;
    std::string output;
    // The file the command writes for `output` (generate, save-template), or the folder of the
    // pictures (preview).
    SString target;
};

// Whether a word of the command line is an option rather than a value.
bool IsOption(const std::string& word) {
    return !word.empty() && word[0] == '-';
}

// Takes the value that follows the option `name` at `i` into `value`; false with `problem` said
// when the option is given a second time or has no value. An option says one thing once: a
// second one would leave the command's meaning to the order of the words. An empty value names
// no file or form, and would otherwise read as an option not given.
bool TakeValue(const std::vector<std::string>& args, size_t& i, const std::string& name, std::set<std::string>& given,
               std::string& value, std::string& problem) {
    if (!given.insert(name).second) problem = name + " is given twice";
    else if (i + 1 >= args.size() || IsOption(args[i + 1])) problem = name + " needs a value";
    else if (args[i + 1].empty()) problem = "the value of " + name + " is empty";
    else value = args[++i];
    return problem.empty();
}

// The form of a template document that --form names; none for any other value, or none given.
std::optional<SRptHostTemplateFile::DocumentForm> ParseForm(const std::string& value) {
    if (value == "xml") return SRptHostTemplateFile::DocumentForm::Xml;
    if (value == "binary") return SRptHostTemplateFile::DocumentForm::Binary;
    return std::nullopt;
}

// What is wrong with a --form that names no form.
std::string FormProblem(const std::string& value) {
    return "form '" + value + "' is not supported (xml or binary)";
}

// Refuses a template save at `target` whose backup would replace a file the command reads: the
// load/save manager copies the file that is at `target` to the backup before it writes, and
// whatever the backup's name names goes. Says why; true when refused.
bool RefuseBackup(const SString& target, const std::vector<std::pair<const char*, std::string>>& inputs,
                  std::ostream& err) {
    const SString backup = SRptHostTemplateFile::BackupPathOf(target);
    for (const auto& [kind, input] : inputs) {
        if (backup.IsEmpty() || input.empty() || !SFile::IsSameFile(backup, SString(input))) continue;
        err << "rpthost: the backup '" << backup.str() << "' of '" << target.str() << "' would overwrite the " << kind
            << " '" << input << "'\n";
        return true;
    }
    return false;
}

// Refuses inputs kept in the folder `staging`, where a page set or a preview stages its files
// (`what`) until they take their places: the run clears what a dead run left there. Says why;
// true when refused.
bool RefuseStaged(const SString& staging, const char* what,
                  const std::vector<std::pair<const char*, std::string>>& inputs, std::ostream& err) {
    for (const auto& [kind, input] : inputs) {
        if (input.empty() || !SRptHostPaths::IsInFolder(SString(input), staging)) continue;
        err << "rpthost: the " << kind << " '" << input << "' is in the folder '" << staging.str() << "' where "
            << what << " staged: keep it elsewhere\n";
        return true;
    }
    return false;
}

// The file written for the output path: generate writes what the device's save dialog (or the
// print-to-file dialog) makes of it, and for a report the name takes the format's extension
// when it has none, so that the dialog adds none of its own (the print-to-file dialog would
// add ".prn"); a template and the preview's folder are written where they are named.
SString TargetOf(const SOptions& options) {
    const SString output(options.output);
    if (options.command != SCommand::Generate) return output;
    const char* extension = options.format == "html" ? "htm" : options.format == "pdf" ? "pdf" : "rtf";
    return SRptHostPaths::WithDefaultExtension(output, extension);
}

// The options of a command, or a message saying what is wrong with them.
std::optional<SOptions> ParseOptions(SCommand command, const std::vector<std::string>& args, std::string& problem) {
    SOptions options;
    options.command = command;
    const bool generate = command == SCommand::Generate;
    const bool saveTemplate = command == SCommand::SaveTemplate;
    std::set<std::string> given;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool output = arg == "-o" || arg == "--output";
        std::string* target = arg == "--model"                  ? &options.model
                              : arg == "--template" && generate ? &options.templateFile
                              : arg == "--format" && generate   ? &options.format
                              : arg == "--form" && saveTemplate ? &options.form
                              : output                          ? &options.output
                                                                : nullptr;
        if (!target) {
            problem = "unknown argument '" + arg + "'";
            return std::nullopt;
        }
        if (!TakeValue(args, i, output ? "-o" : arg, given, *target, problem)) return std::nullopt;
    }
    if (options.model.empty()) problem = "--model is required";
    else if (options.output.empty()) problem = "-o is required";
    else if (options.format != "rtf" && options.format != "html" && options.format != "pdf")
        problem = "format '" + options.format + "' is not supported (rtf, html or pdf)";
    else if (!options.form.empty() && !ParseForm(options.form))
        problem = FormProblem(options.form);
    if (!problem.empty()) return std::nullopt;
    options.target = TargetOf(options);
    return options;
}

// Refuses, before anything is read or written, an output that would not be the file the user
// meant: one in a folder that is not there, a folder where a file is to be written, or a file
// that the command reads (the model, the template), however it is spelled, be it the output
// itself, another file that a page set or a preview writes beside it, or a template's backup;
// and an input kept where a page set or a preview stages its files. Says why; true when refused.
bool RefuseOutput(const SOptions& options, std::ostream& err) {
    const SString model(options.model);
    const bool preview = options.command == SCommand::Preview;
    // A report or a preview goes into a folder that is there: the device would fail only once
    // the report is made, and say no more than that it could not write.
    const SString missing = SRptHostPaths::MissingFolderOf(options.target);
    if (!missing.IsEmpty() && options.command != SCommand::SaveTemplate) {
        err << "rpthost: " << (preview ? "cannot make the folder '" : "cannot write '") << options.target.str()
            << "': there is no folder '" << missing.str() << "'\n";
        return true;
    }
    if (preview) {
        // The pictures go into the folder: none of them may be the model.
        if (!SRptHostPaths::WritesOver(options.target, SPngPreviewShell::IsPageName, model))
            return RefuseStaged(SPngPreviewShell::StagingFolderOf(options.target), "the pages are",
                                {{"model", options.model}}, err);
        err << "rpthost: the pages written into '" << options.output << "' would overwrite the model '" << options.model
            << "'\n";
        return true;
    }
    for (const SString& path : {SString(options.output), options.target}) {
        if (!SFile::IsDirectory(path)) continue;
        err << "rpthost: '" << path.str() << "' is a folder: -o names the file to write\n";
        return true;
    }
    const std::pair<const char*, const std::string*> inputs[] = {{"model", &options.model},
                                                                 {"template", &options.templateFile}};
    for (const auto& [kind, input] : inputs) {
        if (input->empty() || !SFile::IsSameFile(options.target, SString(*input))) continue;
        err << "rpthost: writing '" << options.target.str() << "' would overwrite the " << kind << " '" << *input
            << "'\n";
        return true;
    }
    // A template that is its own backup (t.rtb) would be replaced with no backup kept, as edit
    // refuses it.
    if (options.command == SCommand::SaveTemplate)
        return RefuseBackup(options.target, {{"model", options.model}, {"template", options.target.str()}}, err);
    if (options.format != "html") return false;
    // The pages, pictures and buttons of a page set go beside its contents page.
    const SRptHtmlPageNames names(options.target);
    const auto isNameOfSet = [&names](const SString& name) { return names.IsNameOfSet(name); };
    for (const auto& [kind, input] : inputs) {
        if (input->empty() ||
            !SRptHostPaths::WritesOver(SRptHostPaths::FolderOf(options.target), isNameOfSet, SString(*input)))
            continue;
        err << "rpthost: the page set written beside '" << options.target.str() << "' would overwrite the " << kind
            << " '" << *input << "'\n";
        return true;
    }
    // A page of another set that the set would replace, and a name of the set that is a folder,
    // the device refuses before it writes anything: the folder is looked through once, there.
    return RefuseStaged(SOutputFileSet::StagingFolderOf(SFile::GetFolder(options.target), names.GetHomeName()),
                        "the page set is", {{"model", options.model}, {"template", options.templateFile}}, err);
}

// Generates the report: RTF (mode 0), an HTML page set (mode 2) or printed to a PDF file (mode 1),
// the save dialog or the print-to-file dialog answered with the output path and the question
// whether to open the result with no. A failure that the library can say more of than its code
// (the file that could not be written, and why) is said in `fault`.
HRESULT GenerateReport(ISRptReport* report, const SOptions& options, SString& fault) {
    SRptHostScript script{options.target};
    SInteractionScope scope(&script);
    const uint32_t mode = options.format == "html" ? 2u : options.format == "pdf" ? 1u : 0u;
    const HRESULT hr = RptGenerateReport(report, nullptr, mode);
    if (const auto* impl = dynamic_cast<const SRptReportImpl*>(report)) fault = impl->GetGenerationFault();
    return hr;
}

// Previews the report into the output folder (made when missing); says how many pages it wrote.
HRESULT PreviewReport(ISRptReport* report, const SOptions& options, std::ostream& out, std::ostream& err) {
    const SString& folder = options.target;
    try {
        if (!SFile::Exists(folder)) SFile::CreateDirectory(folder);
    } catch (const SException& e) {
        // The text names the folder and the cause.
        err << "rpthost: " << e.GetText().str() << "\n";
        return E_FAIL;
    }
    if (!SFile::IsDirectory(folder)) {
        err << "rpthost: '" << options.output << "' is not a folder\n";
        return E_FAIL;
    }
    SRptHostScript script{SString()};
    SInteractionScope scope(&script);
    SPngPreviewShell shell(folder);
    const HRESULT hr = shell.Run(report);
    if (hr != S_OK || shell.GetPagesWritten() == 0) {
        err << "rpthost: cannot preview into '" << options.output << "': "
            << (shell.GetFault().IsEmpty() ? std::string("the preview generation failed") : shell.GetFault().str())
            << " (" << HresultText(hr) << ")\n";
        return FAILED(hr) ? hr : E_FAIL;
    }
    out << "wrote " << shell.GetPagesWritten() << " pages to " << options.output << "\n";
    return S_OK;
}

HRESULT SaveTemplate(ISRptReport* report, const SOptions& options) {
    return SRptHostTemplateFile::Save(report, options.target,
                                      ParseForm(options.form).value_or(SRptHostTemplateFile::DocumentForm::Xml));
}

// What the command wrote, said once it is there.
void SayWritten(const SOptions& options, const SDataModel& model, int64_t size, std::ostream& out) {
    out << "wrote " << options.target.str() << " (" << size << " bytes; ";
    if (options.command == SCommand::SaveTemplate) {
        out << "the default template for " << model.entities.size() << " entities)\n";
        return;
    }
    out << model.entities.size() << " entities, " << model.CountAttributes() << " attributes)\n";
    if (options.format == "html") {
        const SString folder = SFile::GetFolder(options.target);
        out << "the pages of the set are in " << (folder.IsEmpty() ? std::string(".") : folder.str()) << "\n";
    }
}

int Execute(const SOptions& options, std::ostream& out, std::ostream& err) {
    if (RefuseOutput(options, err)) return SRptHostCommand::kFailure;
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
    bool templateRefused = false;
    if (hr == S_OK && !options.templateFile.empty()) {
        hr = SDefaultReport::BuildFromTemplateFile(module->GetModel(), SString(options.templateFile), session, report);
        templateRefused = hr != S_OK;
    } else if (hr == S_OK) {
        hr = SDefaultReport::Build(module->GetModel(), session, report);
    }
    const bool preview = options.command == SCommand::Preview;
    SString fault;
    if (hr == S_OK && preview) hr = PreviewReport(report.Get(), options, out, err);
    else if (hr == S_OK)
        hr = options.command == SCommand::SaveTemplate ? SaveTemplate(report.Get(), options)
                                                       : GenerateReport(report.Get(), options, fault);
    report.Clear();
    if (session) session->Close();
    session.Clear();
    module->Unregister();

    if (templateRefused) {
        err << "rpthost: " << SRptHostTemplateFile::DescribeReadFault(SString(options.templateFile), hr) << "\n";
        return SRptHostCommand::kFailure;
    }
    if (preview) return hr == S_OK ? 0 : SRptHostCommand::kFailure;
    const SString& output = options.target;
    const int64_t size = SFile::Exists(output) && !SFile::IsDirectory(output) ? SFile::GetSize(output) : -1;
    if (hr != S_OK || size < 0) {
        err << "rpthost: "
            << (options.command == SCommand::SaveTemplate
                    ? SRptHostTemplateFile::DescribeSaveFault(output, hr)
                    : "cannot write '" + output.str() + "': " +
                          (fault.IsEmpty() ? std::string("the report generation failed") : fault.str()) + " (" +
                          HresultText(hr) + ")")
            << "\n";
        return SRptHostCommand::kFailure;
    }
    SayWritten(options, model, size, out);
    return 0;
}

// rpthost edit TEMPLATE --script FILE [--form xml|binary] [--verbose]
int RunEdit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string templateFile;
    std::string scriptFile;
    std::string form;
    bool verbose = false;
    std::string problem;
    std::set<std::string> given;
    for (size_t i = 1; i < args.size() && problem.empty(); ++i) {
        if (args[i] == "--verbose" && !given.insert(args[i]).second) problem = "--verbose is given twice";
        else if (args[i] == "--verbose") verbose = true;
        else if (args[i] == "--script") TakeValue(args, i, args[i], given, scriptFile, problem);
        else if (args[i] == "--form") TakeValue(args, i, args[i], given, form, problem);
        else if (!IsOption(args[i]) && templateFile.empty()) templateFile = args[i];
        else problem = "unknown argument '" + args[i] + "'";
    }
    if (problem.empty() && templateFile.empty()) problem = "edit needs a template file";
    if (problem.empty() && scriptFile.empty()) problem = "--script is required";
    if (problem.empty() && !form.empty() && !ParseForm(form)) problem = FormProblem(form);
    if (!problem.empty()) {
        err << "rpthost: " << problem << "\n" << SRptHostCommand::kUsage;
        return SRptHostCommand::kUsageError;
    }
    try {
        const SRptEditScript script = SRptEditScript::ReadFile(SString(scriptFile));
        // The template is saved where it is read.
        if (RefuseBackup(SString(templateFile),
                         {{"model", script.GetModel().str()}, {"script", scriptFile}, {"template", templateFile}}, err))
            return SRptHostCommand::kFailure;
        return SRptHostEditor(SString(templateFile), script, out, err, ParseForm(form)).Run(verbose);
    } catch (const SException& e) {
        err << "rpthost: cannot use the script '" << scriptFile << "': " << e.GetText().str() << "\n";
        return SRptHostCommand::kFailure;
    }
}

int SayVersion(std::ostream& out, std::ostream& err) {
    const SVersionNumber* version = RptGetVersionNumber();
    if (!version) {
        err << "report library: start-up did not run\n";
        return SRptHostCommand::kFailure;
    }
    out << "report library " << version->GetText().str() << "\n";
    out << "start-up ran: module state " << (SRptGetModuleState() ? "ready" : "missing") << "\n";
    return 0;
}

}  // namespace

int SRptHostCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return SayVersion(out, err);
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << kUsage;
        return 0;
    }
    if (args[0] == "edit") return RunEdit(args, out, err);
    std::optional<SCommand> command;
    if (args[0] == "generate") command = SCommand::Generate;
    else if (args[0] == "save-template") command = SCommand::SaveTemplate;
    else if (args[0] == "preview") command = SCommand::Preview;
    if (!command) {
        err << "rpthost: unknown command '" << args[0] << "'\n" << kUsage;
        return kUsageError;
    }
    std::string problem;
    const std::optional<SOptions> options = ParseOptions(*command, args, problem);
    if (!options) {
        err << "rpthost: " << problem << "\n" << kUsage;
        return kUsageError;
    }
    return Execute(*options, out, err);
}
