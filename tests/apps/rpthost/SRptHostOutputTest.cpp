// The stand-in host writes exactly the file it is told to, says which, and refuses, before it
// writes anything, an output that is a folder or a file it reads, and a command line that says
// an option without its value or twice. Each case compares the test's folder before and after.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "SDataModelHostFixture.h"
#include "platform/base/SFile.h"
#include "support/STestFileSizeLimit.h"

namespace {

using SFolderSnapshot = std::map<std::string, std::string>;

// The snapshot with the files `added` (relative paths) taken from `after` as well.
SFolderSnapshot With(SFolderSnapshot before, const SFolderSnapshot& after, const std::vector<std::string>& added) {
    for (const std::string& name : added) {
        const auto found = after.find(name);
        before[name] = found == after.end() ? "<missing>" : found->second;
    }
    return before;
}

// What generate says of the report file it wrote on the test's model.
std::string WroteReport(const SString& path) {
    return "wrote " + path.str() + " (" + std::to_string(SFile::GetSize(path)) + " bytes; 2 entities, 3 attributes)\n";
}

}  // namespace

TEST_F(SDataModelHost, AReportNameWithoutAnExtensionTakesTheOneOfItsFormatAndIsTheFileSaid) {
    const std::string model = ModelFile();
    struct SCase {
        const char* format;
        const char* output;
        const char* written;
        const char* head;
    };
    // RTF and PDF as the save dialog names them; a PDF never becomes the print file's ".prn",
    // and a name with an extension of its own is kept.
    for (const SCase& test :
         {SCase{"rtf", "myreport", "myreport.rtf", "{\\rtf1"}, SCase{"pdf", "myreport2", "myreport2.pdf", "%PDF-"},
          SCase{"pdf", "report.v2", "report.v2", "%PDF-"}}) {
        SCOPED_TRACE(test.output);
        const SFolderSnapshot before = Snapshot();
        const std::string said =
            Run({"generate", "--model", model, "--format", test.format, "-o", folder.PathOf(test.output).str()}, 0);
        const SFolderSnapshot after = Snapshot();
        EXPECT_EQ(after, With(before, after, {test.written}));
        EXPECT_EQ(STestTempFolder::ReadFile(folder.PathOf(test.written)).rfind(test.head, 0), 0u);
        EXPECT_EQ(said, WroteReport(folder.PathOf(test.written)));
    }
}

TEST_F(SDataModelHost, AnHtmlContentsPageWithoutAnExtensionIsTheHtmFileSaid) {
    const std::string model = ModelFile();
    const SFolderSnapshot before = Snapshot();
    const std::string said =
        Run({"generate", "--model", model, "--format", "html", "-o", folder.PathOf("myreport3").str()}, 0);
    // The contents page as the save dialog names it; the other pages named from its first four
    // letters, and the buttons.
    const SFolderSnapshot after = Snapshot();
    EXPECT_EQ(after, With(before, after,
                          {"myreport3.htm", "myre1.htm", "myre2.htm", "myre3.htm", "btnhome.jpg", "btnprev.jpg",
                           "btnnext.jpg"}));
    EXPECT_EQ(said, WroteReport(folder.PathOf("myreport3.htm")) + "the pages of the set are in " +
                        folder.GetPath().str() + "/\n");
}

TEST_F(SDataModelHost, AnHtmlSetThatWouldReplaceAPageOfAnotherSetIsRefusedAndNothingIsWritten) {
    const std::string model = ModelFile();
    const SString orders = folder.PathOf("orders.htm");
    Run({"generate", "--model", model, "--format", "html", "-o", orders.str()}, 0);
    // orderbook.htm names its pages from the same four letters as orders.htm: orde1.htm ...
    const SString orderbook = folder.PathOf("orderbook.htm");
    const SFolderSnapshot before = Snapshot();
    EXPECT_EQ(Run({"generate", "--model", model, "--format", "html", "-o", orderbook.str()}, SRptHostCommand::kFailure),
              "rpthost: cannot write '" + orderbook.str() + "': the page set would replace '" +
                  folder.PathOf("orde1.htm").str() + "' of the page set of '" + orders.str() +
                  "': pages are named from the first four letters of their contents page (0x80030019)\n");
    EXPECT_EQ(Snapshot(), before);
    // The same set again replaces its own pages.
    EXPECT_EQ(Run({"generate", "--model", model, "--format", "html", "-o", orders.str()}, 0),
              WroteReport(orders) + "the pages of the set are in " + folder.GetPath().str() + "/\n");
}

TEST_F(SDataModelHost, AnHtmlSetThatCannotBeWrittenNamesTheFileAndWhy) {
    const std::string model = ModelFile();
    const auto generate = [&](const SString& contents) {
        return Run({"generate", "--model", model, "--format", "html", "-o", contents.str()}, SRptHostCommand::kFailure);
    };
    const auto holds = [](const std::string& said, const std::string& part) {
        return said.find(part) != std::string::npos;
    };
    // A link where the files of the set wait for their places.
    const SString linked = folder.PathOf("linked.htm");
    const SString staging = folder.PathOf(".linked.htm.set");
    ASSERT_EQ(::symlink("elsewhere", staging.c_str()), 0);
    std::string said = generate(linked);
    EXPECT_EQ(said.rfind("rpthost: cannot write '" + linked.str() + "': ", 0), 0u) << said;
    EXPECT_TRUE(holds(said, "'" + staging.str() + "/'") && holds(said, "a link or a file of that name is there"))
        << said;
    // A contents page whose name leaves no room for the name of that folder.
    const SString longName = folder.PathOf(std::string(250, 'n') + ".htm");
    said = generate(longName);
    EXPECT_EQ(said.rfind("rpthost: cannot write '" + longName.str() + "': ", 0), 0u) << said;
    EXPECT_TRUE(holds(said, "File name too long")) << said;
    // A disk that fills up: the page is named where it was to go, not where it waited. The files
    // may grow up to the size of the buttons, which are written in the folder itself, and a
    // page is larger.
    SFile::CreateDirectory(folder.PathOf("sizes"));
    Run({"generate", "--model", model, "--format", "html", "-o", folder.PathOf("sizes/full.htm").str()}, 0);
    int64_t buttons = 0;
    int64_t pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.PathOf("sizes").c_str())) {
        int64_t& largest = entry.path().extension() == ".jpg" ? buttons : pages;
        largest = std::max(largest, static_cast<int64_t>(entry.file_size()));
    }
    ASSERT_GT(pages, buttons);
    const SString full = folder.PathOf("full.htm");
    {
        STestFileSizeLimit limit(static_cast<rlim_t>(buttons));
        said = generate(full);
    }
    EXPECT_EQ(said.rfind("rpthost: cannot write '" + full.str() + "': Cannot write '" + folder.PathOf("full").str(), 0),
              0u)
        << said;
    EXPECT_TRUE(holds(said, "File too large")) << said;
    EXPECT_FALSE(holds(said, ".set/")) << said;
}

TEST_F(SDataModelHost, AFolderIsRefusedAsTheOutputAndNothingIsWritten) {
    const std::string model = ModelFile();
    const SString reports = folder.PathOf("reports");
    SFile::CreateDirectory(reports);
    // The files that a save dialog would have made of the folder's name are kept as they are.
    for (const char* beside : {"reports.rtf", "reports.pdf", "reports.htm", "reports.prn"})
        STestTempFolder::WriteFile(folder.PathOf(beside), "old!");
    // A name whose report file would be a folder.
    SFile::CreateDirectory(folder.PathOf("made.rtf"));
    const std::string refused = "rpthost: '" + reports.str() + "' is a folder: -o names the file to write\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"generate", "--model", model, "-o", reports.str()}, refused},
        {{"generate", "--model", model, "--format", "pdf", "-o", reports.str()}, refused},
        {{"generate", "--model", model, "--format", "html", "-o", reports.str()}, refused},
        {{"save-template", "--model", model, "-o", reports.str()}, refused},
        {{"generate", "--model", model, "-o", reports.str() + "/"},
         "rpthost: '" + reports.str() + "/' is a folder: -o names the file to write\n"},
        {{"generate", "--model", model, "-o", folder.PathOf("made").str()},
         "rpthost: '" + folder.PathOf("made.rtf").str() + "' is a folder: -o names the file to write\n"},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(args[args.size() - 1] + " " + args[0]);
        const SFolderSnapshot before = Snapshot();
        EXPECT_EQ(Run(args, SRptHostCommand::kFailure), message);
        EXPECT_EQ(Snapshot(), before);
    }
    // A page of a page set that is a folder is refused the same way, the page named.
    SFile::CreateDirectory(folder.PathOf("Repo2.htm"));
    const SFolderSnapshot before = Snapshot();
    const SString contents = folder.PathOf("Report.htm");
    EXPECT_EQ(Run({"generate", "--model", model, "--format", "html", "-o", contents.str()}, SRptHostCommand::kFailure),
              "rpthost: cannot write '" + contents.str() + "': '" + folder.PathOf("Repo2.htm").str() +
                  "', a file of the page set, is a folder (0x80030019)\n");
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(SDataModelHost, AnOutputThatIsAFileTheCommandReadsIsRefusedAndNothingIsWritten) {
    const std::string model = ModelFile();
    const SString saved = folder.PathOf("shop.rtp");
    Run({"save-template", "--model", model, "-o", saved.str()}, 0);
    const SString link = folder.PathOf("link.xml");
    ASSERT_EQ(::symlink(model.c_str(), link.c_str()), 0);
    // The same model under another spelling of its path.
    const std::string respelled = folder.GetPath().str() + "/./../" + folder.path().filename().string() + "/shop.xml";
    // A model whose name is the one an output without an extension takes.
    const SString modelRtf = folder.PathOf("shop.rtf");
    STestTempFolder::WriteFile(modelRtf, kModel);
    // A model among the pictures that a preview writes, and a picture's name that leads to the model.
    SFile::CreateDirectory(folder.PathOf("pages"));
    const SString page = folder.PathOf("pages/page-2.png");
    STestTempFolder::WriteFile(page, kModel);
    ASSERT_EQ(::symlink(model.c_str(), folder.PathOf("pages/page-3.png").c_str()), 0);
    // Inputs among the files of the page set of "other.htm": a page, a button, a list page (the
    // template) and a page's name that leads to the model.
    SFile::CreateDirectory(folder.PathOf("set"));
    const SString pageModel = folder.PathOf("set/othe1.htm");
    STestTempFolder::WriteFile(pageModel, kModel);
    const SString buttonModel = folder.PathOf("set/btnhome.jpg");
    STestTempFolder::WriteFile(buttonModel, kModel);
    const SString listPageTemplate = folder.PathOf("set/othe2_1.htm");
    STestTempFolder::WriteFile(listPageTemplate, STestTempFolder::ReadFile(saved));
    ASSERT_EQ(::symlink(model.c_str(), folder.PathOf("set/othe3.htm").c_str()), 0);
    const std::string other = folder.PathOf("set/other").str();
    auto overwriteBySet = [&other](const char* kind, const std::string& input) {
        return "rpthost: the page set written beside '" + other + ".htm' would overwrite the " + kind + " '" + input +
               "'\n";
    };
    // Inputs kept where a page set or a preview stages its files, which a run clears, and a link
    // elsewhere that leads to one of them.
    const std::string setStaging = folder.PathOf("set/.other.htm.set/").str();
    const std::string pagesStaging = folder.PathOf("pages/.pages.set/").str();
    SFile::CreateDirectory(SString(setStaging));
    SFile::CreateDirectory(SString(pagesStaging));
    const SString stagedModel(setStaging + "m.xml");
    STestTempFolder::WriteFile(stagedModel, kModel);
    const SString stagedTemplate(setStaging + "t.rtp");
    STestTempFolder::WriteFile(stagedTemplate, STestTempFolder::ReadFile(saved));
    const SString stagedPicturesModel(pagesStaging + "m.xml");
    STestTempFolder::WriteFile(stagedPicturesModel, kModel);
    const SString linkToStaged = folder.PathOf("staged.xml");
    ASSERT_EQ(::symlink(stagedModel.c_str(), linkToStaged.c_str()), 0);
    auto staged = [](const char* kind, const SString& input, const std::string& staging, const char* what) {
        return "rpthost: the " + std::string(kind) + " '" + input.str() + "' is in the folder '" + staging +
               "' where " + what + " staged: keep it elsewhere\n";
    };

    auto overwrite = [](const std::string& written, const char* kind, const std::string& input) {
        return "rpthost: writing '" + written + "' would overwrite the " + kind + " '" + input + "'\n";
    };
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"generate", "--model", model, "-o", model}, overwrite(model, "model", model)},
        {{"generate", "--model", model, "--format", "pdf", "-o", model}, overwrite(model, "model", model)},
        {{"generate", "--model", model, "--format", "html", "-o", model}, overwrite(model, "model", model)},
        {{"generate", "--model", model, "-o", link.str()}, overwrite(link.str(), "model", model)},
        {{"generate", "--model", link.str(), "-o", respelled}, overwrite(respelled, "model", link.str())},
        {{"generate", "--model", modelRtf.str(), "-o", folder.PathOf("shop").str()},
         overwrite(modelRtf.str(), "model", modelRtf.str())},
        {{"generate", "--model", model, "--template", saved.str(), "-o", saved.str()},
         overwrite(saved.str(), "template", saved.str())},
        {{"save-template", "--model", model, "-o", model}, overwrite(model, "model", model)},
        {{"save-template", "--model", model, "-o", link.str()}, overwrite(link.str(), "model", model)},
        {{"preview", "--model", page.str(), "-o", folder.PathOf("pages").str()},
         "rpthost: the pages written into '" + folder.PathOf("pages").str() + "' would overwrite the model '" +
             page.str() + "'\n"},
        {{"preview", "--model", model, "-o", folder.PathOf("pages").str()},
         "rpthost: the pages written into '" + folder.PathOf("pages").str() + "' would overwrite the model '" + model +
             "'\n"},
        {{"generate", "--model", pageModel.str(), "--format", "html", "-o", other},
         overwriteBySet("model", pageModel.str())},
        {{"generate", "--model", buttonModel.str(), "--format", "html", "-o", other},
         overwriteBySet("model", buttonModel.str())},
        {{"generate", "--model", modelRtf.str(), "--template", listPageTemplate.str(), "--format", "html", "-o", other},
         overwriteBySet("template", listPageTemplate.str())},
        {{"generate", "--model", link.str(), "--format", "html", "-o", other}, overwriteBySet("model", link.str())},
        {{"generate", "--model", stagedModel.str(), "--format", "html", "-o", other},
         staged("model", stagedModel, setStaging, "the page set is")},
        {{"generate", "--model", modelRtf.str(), "--template", stagedTemplate.str(), "--format", "html", "-o",
          other + ".htm"},
         staged("template", stagedTemplate, setStaging, "the page set is")},
        {{"generate", "--model", linkToStaged.str(), "--format", "html", "-o", other},
         staged("model", linkToStaged, setStaging, "the page set is")},
        {{"preview", "--model", stagedPicturesModel.str(), "-o", folder.PathOf("pages").str()},
         staged("model", stagedPicturesModel, pagesStaging, "the pages are")},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(args[0] + " " + args[args.size() - 1]);
        const SFolderSnapshot before = Snapshot();
        EXPECT_EQ(Run(args, SRptHostCommand::kFailure), message);
        EXPECT_EQ(Snapshot(), before);
    }

    // edit saves where it read: a script or a model is refused as no template before it is
    // written over.
    const SString script = folder.PathOf("build.script");
    STestTempFolder::WriteFile(script, "model " + model + "\nadd TBLCTS\n");
    const SFolderSnapshot before = Snapshot();
    EXPECT_EQ(Run({"edit", script.str(), "--script", script.str()}, SRptHostCommand::kFailure),
              "rpthost: cannot use the template '" + script.str() + "': it is not a template file\n");
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(SDataModelHost, AReportIntoAFolderThatIsNotThereIsRefusedWithTheFolderNamed) {
    const std::string model = ModelFile();
    const SString missing = folder.PathOf("no/dir");
    // A file where the folder should be is no folder either.
    const SString plain = folder.PathOf("plain");
    STestTempFolder::WriteFile(plain, "x");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"generate", "--model", model, "-o", missing.str() + "/shop.rtf"},
         "rpthost: cannot write '" + missing.str() + "/shop.rtf': there is no folder '" + missing.str() + "'\n"},
        {{"generate", "--model", model, "--format", "html", "-o", missing.str() + "/shop"},
         "rpthost: cannot write '" + missing.str() + "/shop.htm': there is no folder '" + missing.str() + "'\n"},
        {{"generate", "--model", model, "--format", "pdf", "-o", missing.str() + "/shop.pdf"},
         "rpthost: cannot write '" + missing.str() + "/shop.pdf': there is no folder '" + missing.str() + "'\n"},
        {{"generate", "--model", model, "-o", plain.str() + "/shop.rtf"},
         "rpthost: cannot write '" + plain.str() + "/shop.rtf': there is no folder '" + plain.str() + "'\n"},
        // The preview makes its own folder, but not the folders above it.
        {{"preview", "--model", model, "-o", missing.str() + "/pages"},
         "rpthost: cannot make the folder '" + missing.str() + "/pages': there is no folder '" + missing.str() +
             "'\n"},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(args[args.size() - 1]);
        const SFolderSnapshot before = Snapshot();
        EXPECT_EQ(Run(args, SRptHostCommand::kFailure), message);
        EXPECT_EQ(Snapshot(), before);
    }
}

TEST_F(SDataModelHost, ATemplateSaveWhoseBackupWouldOverwriteAFileTheCommandReadsIsRefusedAndNothingIsWritten) {
    // A save backs the previous file up under its name with the backups' extension, .rtb.
    const SString modelRtb = folder.PathOf("m.rtb");
    STestTempFolder::WriteFile(modelRtb, kModel);
    const SString previous = folder.PathOf("m.rtp");
    STestTempFolder::WriteFile(previous, "an earlier template");
    const std::string model = ModelFile();
    const SString link = folder.PathOf("l.rtb");
    ASSERT_EQ(::symlink(model.c_str(), link.c_str()), 0);
    // Scripts whose own name, or whose model's name, is the backup of the template they edit.
    const SString scriptRtb = folder.PathOf("s.rtb");
    STestTempFolder::WriteFile(scriptRtb, "model " + model + "\nadd TBLCTS\n");
    const SString script = folder.PathOf("e.script");
    STestTempFolder::WriteFile(script, "model " + modelRtb.str() + "\nadd TBLCTS\n");
    // A template under a backup's name, edited or saved again, would be saved over itself as its
    // own backup; saved there the first time, it replaces nothing.
    const SString backupTemplate = folder.PathOf("b.rtb");
    Run({"save-template", "--model", model, "-o", backupTemplate.str()}, 0);

    auto overwrite = [](const SString& target, const SString& backup, const char* kind, const SString& input) {
        return "rpthost: the backup '" + backup.str() + "' of '" + target.str() + "' would overwrite the " + kind +
               " '" + input.str() + "'\n";
    };
    const SString s = folder.PathOf("s.rtp");
    const SString l = folder.PathOf("l.rtp");
    const SString m = folder.PathOf("m.rtp");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"save-template", "--model", modelRtb.str(), "-o", m.str()}, overwrite(m, modelRtb, "model", modelRtb)},
        {{"save-template", "--model", modelRtb.str(), "-o", m.str(), "--form", "binary"},
         overwrite(m, modelRtb, "model", modelRtb)},
        {{"save-template", "--model", model, "-o", l.str()}, overwrite(l, link, "model", SString(model))},
        {{"edit", s.str(), "--script", scriptRtb.str()}, overwrite(s, scriptRtb, "script", scriptRtb)},
        {{"edit", m.str(), "--script", script.str()}, overwrite(m, modelRtb, "model", modelRtb)},
        {{"edit", backupTemplate.str(), "--script", script.str()},
         overwrite(backupTemplate, backupTemplate, "template", backupTemplate)},
        {{"save-template", "--model", model, "-o", backupTemplate.str()},
         overwrite(backupTemplate, backupTemplate, "template", backupTemplate)},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(args[0] + " " + args[1] + " " + args[args.size() - 1]);
        const SFolderSnapshot before = Snapshot();
        EXPECT_EQ(Run(args, SRptHostCommand::kFailure), message);
        EXPECT_EQ(Snapshot(), before);
    }
}

TEST_F(SDataModelHost, AnOptionWithoutItsValueOrGivenTwiceIsAUsageError) {
    const std::string model = ModelFile();
    const std::string out = folder.PathOf("out.rtf").str();
    const std::string other = folder.PathOf("other.rtf").str();
    const std::string script = folder.PathOf("build.script").str();
    STestTempFolder::WriteFile(SString(script), "model " + model + "\n");
    const std::string tpl = folder.PathOf("t.rtp").str();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"generate", "--model", model, "--format", "-o", out}, "--format needs a value"},
        {{"generate", "--model", model, "-o", out, "--format"}, "--format needs a value"},
        {{"generate", "--model", "-o", out}, "--model needs a value"},
        {{"generate", "--model", model, "-o", out, "-o", other}, "-o is given twice"},
        {{"generate", "--model", model, "--output", out, "-o", other}, "-o is given twice"},
        {{"generate", "--model", model, "--model", model, "-o", out}, "--model is given twice"},
        {{"generate", "--model", model, "--format", "rtf", "--format", "pdf", "-o", out}, "--format is given twice"},
        {{"generate", "--model", model, "--template", tpl, "--template", tpl, "-o", out}, "--template is given twice"},
        {{"save-template", "--model", model, "-o", tpl, "-o", tpl}, "-o is given twice"},
        {{"preview", "--model", model, "-o", folder.PathOf("a").str(), "-o", folder.PathOf("b").str()},
         "-o is given twice"},
        {{"edit", tpl, "--script", "--verbose"}, "--script needs a value"},
        {{"edit", tpl, "--script", script, "--script", script}, "--script is given twice"},
        {{"edit", tpl, "--script", script, "--verbose", "--verbose"}, "--verbose is given twice"},
        {{"save-template", "--model", model, "-o", tpl, "--form", "xml", "--form", "binary"}, "--form is given twice"},
        {{"edit", tpl, "--script", script, "--form"}, "--form needs a value"},
        {{"save-template", "--model", model, "-o", tpl, "--form", "bin"},
         "form 'bin' is not supported (xml or binary)"},
        {{"edit", tpl, "--script", script, "--form", "rtf"}, "form 'rtf' is not supported (xml or binary)"},
        {{"generate", "--model", model, "-o", out, "--form", "xml"}, "unknown argument '--form'"},
        // An empty value names no file: the option is not taken as missing, nor as meaning a default.
        {{"generate", "--model", model, "-o", ""}, "the value of -o is empty"},
        {{"generate", "--model", "", "-o", out}, "the value of --model is empty"},
        {{"generate", "--model", model, "--template", "", "-o", out}, "the value of --template is empty"},
        {{"preview", "--model", model, "--output", ""}, "the value of -o is empty"},
        {{"edit", tpl, "--script", ""}, "the value of --script is empty"},
    };
    for (const auto& [args, problem] : cases) {
        SCOPED_TRACE(problem);
        const SFolderSnapshot before = Snapshot();
        const std::string said = Run(args, SRptHostCommand::kUsageError);
        EXPECT_EQ(said, "rpthost: " + problem + "\n" + SRptHostCommand::kUsage);
        EXPECT_EQ(Snapshot(), before);
    }
}
