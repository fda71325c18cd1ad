// A host program of the report library: it loads the library, finds it started, and uses the
// library's exported classes the way a host module does. Each line it prints is checked by the
// test that builds it.
#include <cstdio>

#include "platform/com/SComWrap.h"
#include "varod9/ISRptItem.h"
#include "varod9/RptApi.h"
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

    // Reaching through an empty interface pointer is refused with the library's exception.
    SComWrap<ISRptItem> item;
    try {
        item->GetLabel();
        std::printf("empty interface pointer used\n");
    } catch (...) {
        std::printf("empty interface pointer refused\n");
    }

    HostHelper helper;
    SAnyDIDHelper& base = helper;
    base.First();
    base.Second();
    base.Third();
    std::printf("helper %s\n", helper.Text().c_str());
    return 0;
}
