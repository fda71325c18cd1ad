// The report's generation: the device of the mode asked for, its file name, and the outcome told
// to the user.
#include "platform/base/SStringLoad.h"
#include "platform/base/SWaitCursor.h"
#include "platform/com/SComThrow.h"
#include "platform/ui/SLibMsgBox.h"
#include "platform/ui/SShellExecute.h"
#include "rpt/devices/html/SRptHtmlDevice.h"
#include "rpt/devices/print/SRptPrintDevice.h"
#include "rpt/devices/rtf/SRptRtfDevice.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "varod9/ISRptDevice.h"
#include "varod9/RptApi.h"

namespace {

// Generation modes: the low byte of the caller's word.
constexpr uint32_t kModeRtf = 0;
constexpr uint32_t kModePrinter = 1;
constexpr uint32_t kModeHtml = 2;

// Messages of the outcome.
constexpr uint32_t IDS_RPT_GENERATED_RTF = 5535;
constexpr uint32_t IDS_RPT_GENERATION_ERROR = 5536;
constexpr uint32_t IDS_RPT_CANNOT_LAUNCH_RTF_EDITOR = 5557;
constexpr uint32_t IDS_RPT_GENERATED_HTML = 5544;
constexpr uint32_t IDS_RPT_CANNOT_LAUNCH_BROWSER = 5556;

// What a file name made from a report's name must not hold: the characters the file systems the
// reports travel to refuse, and the path separators.
constexpr const char* kForbiddenFileNameChars = "/:*?\"<>|";
constexpr char kBackslash = '\\';

// The report's name with every forbidden character replaced by '_', keeping its length.
SString CleanFileName(SString name) {
    SString forbidden = kForbiddenFileNameChars;
    forbidden += kBackslash;
    for (int32_t i = 0; i < name.GetLength(); ++i)
        if (forbidden.Find(name.GetAt(i)) >= 0) name.SetAt(i, '_');
    return name;
}

// The question after a successful run that wrote a file, and the opening of the file when the
// answer is yes.
struct SOpenOffer {
    uint32_t questionId;
    const char* question;
    uint32_t failureId;
    const char* failure;
};

constexpr SOpenOffer kOfferRtf = {
    IDS_RPT_GENERATED_RTF,
    "The report has been successfully generated in the file '%s'.\nDo you want to open it with your default RTF "
    "editor now?",
    IDS_RPT_CANNOT_LAUNCH_RTF_EDITOR, "Cannot launch the default RTF editor."};
constexpr SOpenOffer kOfferHtml = {
    IDS_RPT_GENERATED_HTML,
    "The report has been successfully generated in the file '%s'.\nDo you want to open it with your default Web "
    "browser now?",
    IDS_RPT_CANNOT_LAUNCH_BROWSER, "Cannot launch the default Web browser."};

void OfferToOpen(const SLibMsgBox& box, const SString& fileName, const SOpenOffer& offer) {
    SString question = SStringLoad(offer.questionId, offer.question, nullptr);
    SString text;
    text.Format(question.c_str(), fileName.c_str());
    if (box.ConfirmYesNo(text, 0) != 1) return;
    if (ShellExecuteA(nullptr, "open", fileName.c_str(), nullptr, nullptr, SW_SHOWNORMAL) <= 32)
        box.Error(SStringLoad(offer.failureId, offer.failure, nullptr));
}

// A device of the file-writing kind made for the chosen file: held by `device` alone.
template <class Device>
void MakeDevice(SComWrap<ISRptDevice>& device, ISRptReport* report, ISRptGenerationClient* client,
                const SString& fileName) {
    Device* created = new Device(report, client, fileName);
    device = static_cast<ISRptDevice*>(created);
    created->Release();
}

}  // namespace

HRESULT SRptReportImpl::GenerateReport(ISRptGenerationClient* pGenerationClient, uint32_t nType) {
    HRESULT result = E_UNEXPECTED;
    SString fileName;
    SWaitCursor wait;
    m_generationFault.Empty();

    SComWrap<ISRptReport> report;
    report = static_cast<ISRptReport*>(this);
    if (!report) SComThrow(E_POINTER);
    const SString proposal = CleanFileName(report->GetName());

    SComWrap<ISRptDevice> device;
    switch (nType & 0xFF) {
        case kModeRtf:
            if (SRptRtfDevice::PromptFileName(&fileName, proposal + ".rtf") != S_OK) return 1;
            MakeDevice<SRptRtfDevice>(device, report.Get(), pGenerationClient, fileName);
            break;
        case kModeHtml:
            if (SRptHtmlDevice::PromptFileName(&fileName, proposal + ".htm") != S_OK) return 1;
            MakeDevice<SRptHtmlDevice>(device, report.Get(), pGenerationClient, fileName);
            break;
        case kModePrinter: {
            // The printer is chosen in the print dialog when the run begins: no file dialog here.
            auto* created = new SRptPrintDevice(report.Get(), pGenerationClient);
            device = static_cast<ISRptDevice*>(created);
            created->Release();
            break;
        }
        default: break;
    }
    if (device) result = device->Generate();
    // The code is the answer; the host may say more of a failure than the message below.
    if (auto* run = dynamic_cast<SRptDevice*>(device.Get()); run && result != S_OK) m_generationFault = run->GetFault();

    SModuleStateGuard state(SRptGetModuleState());
    const SLibMsgBox box(SGetMainWnd(), " - ");
    if (result == S_OK && (nType & 0xFF) == kModeRtf)
        OfferToOpen(box, fileName, kOfferRtf);
    else if (result == S_OK && (nType & 0xFF) == kModeHtml)
        OfferToOpen(box, fileName, kOfferHtml);
    else if (result != S_OK && result != E_ABORT)
        box.Error(SStringLoad(IDS_RPT_GENERATION_ERROR, "An error occured during the report generation.", nullptr));
    return result;
}
