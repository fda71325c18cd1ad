#pragma once
// rpthost's command line (kUsage below says it to the user). Without arguments it says which
// library it runs on;
//   rpthost generate --model FILE [--template FILE] [--format rtf|html|pdf] -o OUT
// reads the model, registers the data-model module, builds the report (the default template, or
// the one a template file holds), generates it through the library with the save dialog answered
// by OUT (an RTF file, or the contents page of an HTML page set whose other pages go beside it),
// or prints it with the print dialog answered by printing to the PDF file OUT, and says what it
// wrote; an OUT whose name has no extension takes the format's (.rtf, .htm, .pdf), as a save
// dialog gives it;
//   rpthost save-template --model FILE -o OUT [--form xml|binary]
// writes the default template of the model's report as a template file that --template reads,
// in the XML form unless --form names the binary one, keeping the previous file as its backup;
//   rpthost preview --model FILE -o DIR
// lays the report out as the print preview does and writes its pages as DIR/page-N.png.
// An option given twice or without its value is a usage error (kUsageError). An output that is a
// folder, or a file that the command reads (the model, the template), is refused before
// anything is written (kFailure), and so is a template save whose backup would be such a file or
// the file it replaces (a template saved again under a backup's name, t.rtb), a page set that
// would replace a page of another set, and an input kept where a page set or a preview stages
// its files.
// Every failure ends with a message on `err` and a non-zero status.
#include <ostream>
#include <string>
#include <vector>

class SRptHostCommand {
public:
    static constexpr int kUsageError = 2;
    static constexpr int kFailure = 1;
    static const char* const kUsage;

    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};
