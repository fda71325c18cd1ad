#include "SRptHostEditor.h"

#include <cstdio>
#include <functional>

#include "HresultText.h"
#include "SDataModelModule.h"
#include "SDataModelReader.h"
#include "SDefaultReport.h"
#include "SRptEditAnswers.h"
#include "platform/base/SException.h"
#include "platform/base/SFile.h"
#include "platform/host/SHostCommandDispatcher.h"
#include "platform/repo/SRepBrowserEx.h"
#include "platform/repo/SRepClassColPtr.h"
#include "rpt/editor/SRptContentsPane.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewBase.h"
#include "rpt/editor/SRptViewBase.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "varod9/ISRptAvailableItems.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"

namespace {

SComWrap<ISRptItem> AsItem(IUnknown* object) {
    SComWrap<ISRptItem> item;
    item = object;
    return item;
}

// Visits `parent`'s items depth first, in document order, until `visit` answers true.
bool ForEachItem(ISRptItem* parent, const std::function<bool(ISRptItem*)>& visit) {
    SRepClassColPtr items = parent->Items();
    for (int32_t i = 0; items && i < items.GetCount(); ++i) {
        SComWrap<ISRptItem> item = AsItem(items.Item(i).Get());
        if (!item) continue;
        if (visit(item.Get()) || ForEachItem(item.Get(), visit)) return true;
    }
    return false;
}

// The first item of an item id under `parent`, depth first; null when there is none.
SComWrap<ISRptItem> FindItem(ISRptItem* parent, const std::string& itemID) {
    SComWrap<ISRptItem> found;
    ForEachItem(parent, [&](ISRptItem* item) {
        if (item->GetItemID() != itemID.c_str()) return false;
        found.Reset(item);
        return true;
    });
    return found;
}

// A direct child of an item id of `parent`; null when there is none.
SComWrap<ISRptItem> FindChild(ISRptItem* parent, const std::string& itemID) {
    SRepClassColPtr items = parent->Items();
    for (int32_t i = 0; items && i < items.GetCount(); ++i) {
        SComWrap<ISRptItem> item = AsItem(items.Item(i).Get());
        if (item && item->GetItemID() == itemID.c_str()) return item;
    }
    return SComWrap<ISRptItem>();
}

SComWrap<ISRptItem> FirstTemplate(ISRptReport* report) {
    SComWrap<ISRptTemplate> first;
    report->GetTemplateAtPos(0, &first);
    return AsItem(first.Get());
}

}  // namespace

int SRptHostEditor::Run(bool verbose) {
    SDataModel model;
    try {
        model = SDataModelReader::ReadFile(m_script.GetModel());
    } catch (const SException& e) {
        m_err << "rpthost: cannot read the model: " << e.GetText().str() << "\n";
        return 1;
    }
    SComWrap<SDataModelModule> module;
    module.Attach(SDataModelModule::Create(model));
    HRESULT hr = module->Register();
    SComWrap<ISRepSession> session;
    SComWrap<ISRptReport> report;
    const bool exists = SFile::Exists(m_templatePath);
    if (hr == S_OK)
        hr = exists ? SDefaultReport::BuildFromTemplateFile(module->GetModel(), m_templatePath, session, report)
                    : SDefaultReport::BuildEmpty(module->GetModel(), session, report);
    if (hr != S_OK) {
        module->Unregister();
        m_err << "rpthost: cannot open the template '" << m_templatePath.str() << "' (" << HresultText(hr) << ")\n";
        return 1;
    }

    SComWrap<SStandInHost, &ISShellHostFrame::iid> host = SStandInHost::Create();
    SRptShellModule* shell = GetRptGlobalsContainer()->GetRptShellModule();
    SRptEditAnswers answers;
    HRESULT edited = E_UNEXPECTED;
    {
        SInteractionScope scope(&answers);
        shell->Initialize(host.Get());
        SShellView* view = nullptr;
        hr = CreateViewReportTemplateEditor(report.Get(), &view);
        auto* editor = dynamic_cast<SRptShellViewBase*>(view);
        if (hr == S_OK && editor) {
            host->OpenViewWindows();
            if (editor->GetWindow()) {
                edited = Edit(report.Get(), editor->GetWindow(), *host, answers);
                if (edited == S_OK) edited = Save(report.Get());
            }
        }
        host->CloseAllFrames();
        shell->Terminate();
    }
    report.Clear();
    if (session) session->Close();
    session.Clear();
    module->Unregister();

    if (verbose) SayRecorded(*host);
    if (edited != S_OK) {
        m_err << "rpthost: the edit of '" << m_templatePath.str() << "' failed (" << HresultText(edited) << ")\n";
        return 1;
    }
    m_out << "saved " << m_templatePath.str() << " (" << m_savedItems << " items)\n";
    return 0;
}

HRESULT SRptHostEditor::Edit(ISRptReport* report, SRptViewBase* window, SStandInHost& host, SRptEditAnswers& answers) {
    SHostCommandDispatcher dispatcher(host);
    for (const SRptEditStep& step : m_script.GetSteps()) {
        HRESULT hr = S_OK;
        switch (step.kind) {
        case SRptEditStep::Answer: {
            SAnswer answer;
            answer.button = static_cast<int32_t>(step.id);
            answer.controlValues = step.values;
            answer.path = step.path;
            answers.Queue(answer);
            continue;
        }
        case SRptEditStep::Fire:
            hr = dispatcher.Fire(step.id);
            break;
        case SRptEditStep::Key:
            hr = PressTab(host);
            break;
        case SRptEditStep::Select:
            hr = Select(step, report, window);
            break;
        case SRptEditStep::Add:
            hr = Add(step, report, window);
            break;
        }
        // A command that no part of the editor took is not a fault of the edit; a failure is.
        if (FAILED(hr)) {
            m_err << "rpthost: line " << step.line << " failed (" << HresultText(hr) << ")\n";
            return hr;
        }
        if (step.kind == SRptEditStep::Fire && hr != S_OK)
            m_err << "rpthost: line " << step.line << ": command " << step.id << " was not taken\n";
    }
    if (answers.GetQueuedCount() != 0) m_err << "rpthost: answers left that no prompt took\n";
    return S_OK;
}

HRESULT SRptHostEditor::Select(const SRptEditStep& step, ISRptReport* report, SRptViewBase* window) {
    SRptContentsPane* pane = window->GetContentsPane();
    auto* browser = pane ? dynamic_cast<SRepBrowserEx*>(pane->GetPaneWindow()) : nullptr;
    SComWrap<ISRptItem> owner = FirstTemplate(report);
    if (!browser || !owner) return E_UNEXPECTED;
    browser->ClearSelection();
    bool add = false;
    for (const std::string& itemID : step.items) {
        SComWrap<ISRptItem> item = FindItem(owner.Get(), itemID);
        auto* node = item ? dynamic_cast<SRepBrowserNode*>(browser->LookupNode(item.Get())) : nullptr;
        if (!node) {
            m_err << "rpthost: line " << step.line << ": the template holds no " << itemID << "\n";
            return E_INVALIDARG;
        }
        browser->Select(node, add);
        add = true;
    }
    // As a click in the contents would: the right side takes the focus.
    window->SetFocusOnLeftPane(0, 1);
    return S_OK;
}

HRESULT SRptHostEditor::Add(const SRptEditStep& step, ISRptReport* report, SRptViewBase* window) {
    SComWrap<ISRptAvailableItems> available;
    report->GetAvailableItemsOfModule(SDataModelModule::kModuleID, &available);
    SComWrap<ISRptItem> item = AsItem(available.Get());
    // ITEM/SUB: a sub-item of an available item.
    std::string path = step.items.front();
    for (size_t slash; item && (slash = path.find('/')) != std::string::npos; path = path.substr(slash + 1))
        item = FindChild(item.Get(), path.substr(0, slash));
    if (item) item = FindChild(item.Get(), path);
    if (!item) {
        m_err << "rpthost: line " << step.line << ": no available item " << step.items.front() << "\n";
        return E_INVALIDARG;
    }
    SComWrap<ISRptItem> added;
    const HRESULT hr = window->AddItemToActiveTemplate(item.Get(), &added);
    return FAILED(hr) ? hr : (added ? S_OK : E_FAIL);
}

HRESULT SRptHostEditor::PressTab(SStandInHost& host) {
    for (const SHostAccelerators& table : host.GetAccelerators())
        for (const SHELLACCEL& entry : table.entries)
            if (entry.key == VK_TAB) return SHostCommandDispatcher(host).FireAccelerator(entry.flags, entry.key);
    return S_FALSE;
}

HRESULT SRptHostEditor::Save(ISRptReport* report) {
    SComWrap<ISRptTemplate> first;
    HRESULT hr = report->GetTemplateAtPos(0, &first);
    if (hr != S_OK || !first) return FAILED(hr) ? hr : E_UNEXPECTED;
    m_savedItems = 0;
    ForEachItem(AsItem(first.Get()).Get(), [&](ISRptItem*) {
        ++m_savedItems;
        return false;
    });
    return WriteTemplateToFile(m_templatePath, first.Get());
}

void SRptHostEditor::SayRecorded(const SStandInHost& host) const {
    for (const SHostCall& call : host.GetCalls())
        m_out << "host: " << call.operation.str() << (call.detail.IsEmpty() ? "" : " ") << call.detail.str() << "\n";
    for (const SPrompt& prompt : SInteraction::GetTranscript())
        m_out << "prompt: " << prompt.caption.str() << (prompt.text.IsEmpty() ? "" : ": ") << prompt.text.str()
              << "\n";
}
