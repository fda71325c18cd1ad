// A host program of the report library: it loads the library, finds it started, and uses the
// library's exported classes the way a host module does. Each line it prints is checked by the
// test that builds it.
#include <cstdio>
#include <typeinfo>

#include "platform/com/SComWrap.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"
#include "varod9/RptExceptions.h"
#include "varod9/RptItemDef.h"
#include "varod9/SAnyDIDHelper.h"

namespace {

constexpr uint32_t kTitleId = 100;

// A host's own helper on the library's exported abstract class.
class HostHelper : public SAnyDIDHelper {
public:
    void First() override { m_text += "First "; }
    void Second() override { m_text += "Second "; }
    void Third() override { m_text += "Third"; }
    const SString& Text() const { return m_text; }

private:
    SString m_text;
};

// A host's streams whose device has gone: each read and each write fails as the streams' protocol
// says, with the input/output exception.
class HostFailingInput : public SInputStream {
public:
    size_t Read(void*, size_t) override { throw SEIOException("device gone", SEIOException::generic); }
    bool IsEOF() override { return false; }
    int64_t GetPosition() const override { return 0; }
};

class HostFailingOutput : public SOutputStream {
protected:
    void WriteImpl(const void*, size_t) override { throw SEIOException("device gone", SEIOException::diskFull); }
};

// Templates written to and read from the host's failing streams: what the library answers.
void TransferOnFailingStreams() {
    SComWrap<ISRepSession> session;
    SComWrap<ISRepObject> reportObject;
    if (RptCreateTemplate("HOST", "Transfer", &session, &reportObject) != S_OK) {
        std::printf("no template to transfer\n");
        return;
    }
    SComWrap<ISRptReport> report;
    report = reportObject.Get();
    SComWrap<ISRepClassCol> templates;
    if (report) report->GetTemplatesCollection(&templates);
    HostFailingOutput out;
    std::printf("failing host stream written: 0x%08X\n", static_cast<unsigned>(WriteTemplatesToStream(out, templates.Get())));
    HostFailingInput in;
    ISRptTemplate* read = nullptr;
    std::printf("failing host stream read: 0x%08X\n",
                static_cast<unsigned>(ReadTemplateFromStream(in, &read, session.Get())));
    if (read) read->Release();
    templates.Clear();
    report.Clear();
    reportObject.Clear();
    session->Close();
}

// The title of an item as the library reads it: from the string table of the module state that
// the description's resource handle names.
SString LoadTitle(const RPTUSRITEMDEF& def) {
    SModuleStateGuard guard(def.ResInstance);
    SString title;
    if (!title.LoadString(def.TitleResID)) title = def.DefaultTitle;
    return title;
}

}  // namespace

int main() {
    const SVersionNumber* version = RptGetVersionNumber();
    if (!version) {
        std::printf("report library: start-up did not run\n");
        return 1;
    }
    std::printf("report library %s\n", version->GetText().c_str());
    std::printf("library module state %s\n", SRptGetModuleState() ? "ready" : "missing");

    SModuleState module(MakeGUID("{0B7C1E52-3F6A-4D1B-9C2E-5A8F4D3B2C10}"));
    module.AddString(kTitleId, "Orders by customer");
    RPTUSRITEMDEF def;
    def.ResInstance = &module;
    def.TitleResID = kTitleId;
    def.DefaultTitle = "Orders";
    std::printf("item title %s\n", LoadTitle(def).c_str());
    def.TitleResID = kTitleId + 1;
    std::printf("item default title %s\n", LoadTitle(def).c_str());

    // Reaching through an empty interface pointer is refused with the library's exception, which
    // the host's handler takes by its type: the type information the library threw with is the
    // one the host's handler names.
    SComWrap<ISRptItem> item;
    try {
        item->GetLabel();
        std::printf("empty interface pointer used\n");
    } catch (const SECOMException& e) {
        std::printf("empty interface pointer refused: %s 0x%08X%s\n", e.GetFullText().c_str(),
                    static_cast<unsigned>(e.GetHResult()),
                    &typeid(e) == &typeid(SECOMException) ? "" : " (a type of the library's own)");
    } catch (...) {
        std::printf("empty interface pointer refused with an exception of no known type\n");
    }
    TransferOnFailingStreams();

    HostHelper helper;
    SAnyDIDHelper& base = helper;
    base.First();
    base.Second();
    base.Third();
    std::printf("helper %s\n", helper.Text().c_str());
    return 0;
}
