#pragma once
// The report rpthost generates on a model: a title page with the model's name, author and version,
// then, when no template file is given, the default template: the table of contents, the list of
// entities, then per entity its heading, its card and the list of its attributes, each entity on
// a page of its own. A template read from a file takes the default template's place, so that a
// saved default template gives the same report.
#include "SDataModel.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepSession.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"

class SDefaultReport {
public:
    // A new report in a new session for the registered data-model module; the caller closes
    // the session. A failure of the library is its result, with both out-pointers null.
    static HRESULT Build(const SDataModel& model, SComWrap<ISRepSession>& session, SComWrap<ISRptReport>& report);
    // The same report with its one template empty, for an editor to fill.
    static HRESULT BuildEmpty(const SDataModel& model, SComWrap<ISRepSession>& session, SComWrap<ISRptReport>& report);
    // The report of a template file (SRptHostTemplateFile): a document is opened as the editor
    // opens it, its report as it was saved; a template record takes the default template's place
    // in a new report. The read's failure, S_FALSE for a file that holds no template of a
    // registered module, STG_E_FILENOTFOUND when there is no such file,
    // SRptHostTemplateFile::kNotATemplate for a file that is no template and
    // SRptHostTemplateFile::kTruncated for a record that ends within its header, with both
    // out-pointers null.
    static HRESULT BuildFromTemplateFile(const SDataModel& model, const SString& path, SComWrap<ISRepSession>& session,
                                         SComWrap<ISRptReport>& report);

private:
    static HRESULT OpenDocument(const SString& path, SComWrap<ISRepSession>& session, SComWrap<ISRptReport>& report);
    static HRESULT BuildFromRecord(const SDataModel& model, const SString& path, SComWrap<ISRepSession>& session,
                                   SComWrap<ISRptReport>& report);
    // The report with its title page and its one, empty, template.
    static HRESULT Create(const SDataModel& model, SComWrap<ISRepSession>& session, SComWrap<ISRptReport>& report,
                          SComWrap<ISRptTemplate>& owner);
    static void PlaceDefaultItems(ISRptReport* report, ISRptTemplate* owner);
    // Closes the session and lets both go; `hr` passes through.
    static HRESULT Abandon(HRESULT hr, SComWrap<ISRepSession>& session, SComWrap<ISRptReport>& report);
};
