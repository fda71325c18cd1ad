#pragma once
// rpthost's template files. A template file is read in each form the library writes: the
// documents of the template load/save manager (XML or binary, recognised by their signature,
// whatever the file's name), which the templates folder and the editor read, and the record of
// the template streams that earlier versions of rpthost wrote. It is written as a document in the
// form the caller chooses, under the name it is given; the load/save manager first copies the
// file that was there to its backup (BackupPathOf).
#include <string>

#include "platform/base/SString.h"
#include "platform/com/HRESULT.h"

struct ISRptReport;

class SRptHostTemplateFile {
public:
    // A record that ends within its header, or with it, is a TruncatedRecord.
    enum Form { NotATemplate, Document, Record, TruncatedRecord };
    // The two forms a document is written in.
    enum class DocumentForm { Xml, Binary };

    // A file that is no template in any form.
    static constexpr HRESULT kNotATemplate = static_cast<HRESULT>(0x800300FBu);
    // A file that begins as a template but ends before it holds one.
    static constexpr HRESULT kTruncated = static_cast<HRESULT>(0x80030201u);

    // The form of the file at `path`; NotATemplate for a missing or unreadable file too.
    static Form GetForm(const SString& path);
    // The form of the document at `path`: Xml for anything that is no binary document.
    static DocumentForm GetDocumentForm(const SString& path);
    // Saves the document that holds the report at `path`, in `form`; the load/save manager's
    // answer.
    static HRESULT Save(ISRptReport* report, const SString& path, DocumentForm form);
    // Where a save at `path` backs up the file that is there: its name with the extension of the
    // backups, in its folder. Empty before the library has started.
    static SString BackupPathOf(const SString& path);

    // What rpthost says of the template file at `path` that it could not use (`hr` from
    // SDefaultReport::BuildFromTemplateFile), and of a save there that failed: every command that
    // reads or writes a template says it alike.
    static std::string DescribeReadFault(const SString& path, HRESULT hr);
    static std::string DescribeSaveFault(const SString& path, HRESULT hr);
};
