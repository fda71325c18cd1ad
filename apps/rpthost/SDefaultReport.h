#pragma once
// The report rpthost generates when no template file is given: a title page with the model's
// name, author and version, the table of contents, the list of entities, then per entity its
// heading, its card and the list of its attributes, each entity on a page of its own.
#include "SDataModel.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepSession.h"
#include "varod9/ISRptReport.h"

class SDefaultReport {
public:
    // A new report in a new session for the registered data-model module; the caller closes
    // the session. A failure of the library is its result, with both out-pointers null.
    static HRESULT Build(const SDataModel& model, SComWrap<ISRepSession>& session, SComWrap<ISRptReport>& report);
};
