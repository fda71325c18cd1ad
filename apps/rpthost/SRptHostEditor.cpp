#include "SRptHostEditor.h"

#include <cstdio>
#include <functional>

#include "HresultText.h"
#include "SDataModelModule.h"
#include "SDataModelReader.h"
#include "SDefaultReport.h"
#include "SRptEditAnswers.h"
#include "SRptHostFrame.h"
#include "SRptHostTemplateFile.h"
#include "platform/base/SException.h"
#include "platform/base/SFile.h"
#include "platform/host/SHostCommandDispatcher.h"
#include "platform/repo/SRepBrowserEx.h"
#include "platform/repo/SRepClassColPtr.h"
#include "platform/repo/SRepLabelEdit.h"
#include "platform/ui/SMenu.h"
#include "rpt/editor/RptCommandIds.h"
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

// The contents of the editor: the browser of the template's items, null when there is none.
SRepBrowserEx* ContentsBrowser(SRptViewBase* window) {
    SRptContentsPane* pane = window->GetContentsPane();
    return pane ? dynamic_cast<SRepBrowserEx*>(pane->GetPaneWindow()) : nullptr;
}

// A user's choice in a popup menu: the command when the menu offers it, no command otherwise.
class SMenuChoice final : public SInteractionScript {
public:
    explicit SMenuChoice(uint32_t command) : m_command(command) {}

    SAnswer Answer(const SPrompt& prompt) override {
        SAnswer answer;
        if (prompt.kind != SPrompt::Menu) return answer;
        const auto menu = static_cast<HMENU>(prompt.text.ToInt());
        answer.button = 0;
        for (int32_t i = 0; i < GetMenuItemCount(menu); ++i)
            if (GetMenuItemID(menu, i) == m_command) answer.button = static_cast<int32_t>(m_command);
        return answer;
    }

private:
    uint32_t m_command;
};

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
    const bool exists = SFile::Exists(m_templatePath);
    if (!m_form) m_form = SRptHostTemplateFile::GetDocumentForm(m_templatePath);
    if (hr == S_OK)
        hr = exists ? SDefaultReport::BuildFromTemplateFile(module->GetModel(), m_templatePath, session, m_report)
                    : SDefaultReport::BuildEmpty(module->GetModel(), session, m_report);
    if (hr != S_OK) {
        module->Unregister();
        m_err << "rpthost: " << SRptHostTemplateFile::DescribeReadFault(m_templatePath, hr) << "\n";
        return 1;
    }

    SStandInHost* host = &SRptHostFrame::Get();
    host->ClearCalls();
    const size_t promptsBefore = SInteraction::GetTranscript().size();
    SRptShellModule* shell = GetRptGlobalsContainer()->GetRptShellModule();
    SRptEditAnswers answers;
    SDocumentWatch watch(*this);
    HRESULT edited = E_UNEXPECTED;
    {
        SInteractionScope scope(&answers);
        shell->Initialize(host);
        const bool watching = session->AdviseSessionSink(&watch) == S_OK;
        SShellView* view = nullptr;
        hr = CreateViewReportTemplateEditor(m_report.Get(), &view);
        // Held here, so that the editor's objects outlive a close that the script makes.
        SComWrap<ISShellView> held(view ? view->GetShellViewFace() : nullptr);
        auto* editor = dynamic_cast<SRptShellViewBase*>(view);
        if (hr == S_OK && editor) {
            host->OpenViewWindows();
            if (editor->GetWindow()) {
                m_editing = true;
                edited = Edit(editor, *host, answers);
                m_editing = false;
                if (edited == S_OK) edited = Save();
            }
        }
        host->CloseAllFrames();
        if (watching && session->GetOpenState() >= 1) session->UnadviseSessionSink(&watch);
        held.Clear();
        shell->Terminate();
    }
    m_report.Clear();
    if (session) session->Close();
    session.Clear();
    module->Unregister();

    if (verbose) SayRecorded(*host, promptsBefore);
    if (edited != S_OK) {
        m_err << "rpthost: the edit of '" << m_templatePath.str() << "' failed (" << HresultText(edited) << ")\n";
        return 1;
    }
    m_out << "saved " << m_templatePath.str() << " (" << m_savedItems << " items)\n";
    return 0;
}

HRESULT SRptHostEditor::SDocumentWatch::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = riid == IUnknown::iid || riid == ISRepSessionView::iid ? static_cast<ISRepSessionView*>(this) : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
}

HRESULT SRptHostEditor::SDocumentWatch::SessionCanClose() {
    if (!m_editor.m_editing) return S_OK;
    // A template that could not be saved keeps its document, and its editor, open.
    return m_editor.Save() == S_OK ? S_OK : S_FALSE;
}

HRESULT SRptHostEditor::Edit(SRptShellViewBase* editor, SStandInHost& host, SRptEditAnswers& answers) {
    SHostCommandDispatcher dispatcher(host);
    for (const SRptEditStep& step : m_script.GetSteps()) {
        if (step.kind == SRptEditStep::Answer) {
            SAnswer answer;
            answer.button = static_cast<int32_t>(step.id);
            answer.controlValues = step.values;
            answer.activePage = step.page;
            answer.path = step.path;
            answers.Queue(answer);
            continue;
        }
        SRptViewBase* window = editor->GetWindow();
        if (!host.FindFrame(editor->GetShellViewFace()) || !window || !window->GetSafeHwnd()) {
            m_err << "rpthost: line " << step.line << ": the editor is closed\n";
            return E_UNEXPECTED;
        }
        HRESULT hr = S_OK;
        switch (step.kind) {
        case SRptEditStep::Fire:
            hr = dispatcher.Fire(step.id);
            break;
        case SRptEditStep::Key:
            hr = PressKey(step, host);
            break;
        case SRptEditStep::Select:
            hr = Select(step, window);
            break;
        case SRptEditStep::Add:
            hr = Add(step, window);
            break;
        case SRptEditStep::Rename:
            hr = Rename(step, window);
            break;
        case SRptEditStep::Answer:
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

HRESULT SRptHostEditor::Select(const SRptEditStep& step, SRptViewBase* window) {
    SRepBrowserEx* browser = ContentsBrowser(window);
    SComWrap<ISRptItem> owner = FirstTemplate(m_report.Get());
    if (!browser || !owner) return E_UNEXPECTED;
    browser->ClearSelection();
    bool add = false;
    for (const std::string& itemID : step.items) {
        // The template itself comes first in document order: its node is the contents' root.
        SComWrap<ISRptItem> item = owner->GetItemID() == itemID.c_str() ? owner : FindItem(owner.Get(), itemID);
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

HRESULT SRptHostEditor::Add(const SRptEditStep& step, SRptViewBase* window) {
    SComWrap<ISRptAvailableItems> available;
    m_report->GetAvailableItemsOfModule(SDataModelModule::kModuleID, &available);
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

HRESULT SRptHostEditor::Rename(const SRptEditStep& step, SRptViewBase* window) {
    SRepBrowserEx* browser = ContentsBrowser(window);
    SRepBrowserNode* root = browser ? browser->GetRoot(0) : nullptr;
    if (!root) return E_UNEXPECTED;
    // A right click on the template's node, and Rename chosen from its menu: the node's label
    // is then edited in place.
    SMenuChoice choice(ID_RPT_RENAME);
    {
        SInteractionScope scope(&choice);
        browser->RightClick(root);
    }
    if (browser->GetEditedNode() != root) {
        m_err << "rpthost: line " << step.line << ": the template's menu offers no Rename\n";
        return E_FAIL;
    }
    // The name typed over the old one, then Enter.
    SString typed = step.name;
    if (SRepLabelEdit* edit = browser->GetEditControl()) {
        edit->SetWindowText(step.name);
        typed = edit->GetWindowText();
    }
    if (browser->EndLabelEdit(typed) != 1) {
        m_err << "rpthost: line " << step.line << ": the template did not take the name " << typed.str() << "\n";
        return E_FAIL;
    }
    // As a click in the contents would: the right side takes the focus.
    window->SetFocusOnLeftPane(0, 1);
    return S_OK;
}

HRESULT SRptHostEditor::PressKey(const SRptEditStep& step, SStandInHost& host) {
    // A key does what the host's accelerator of that key does; a key without one does nothing.
    for (const SHostAccelerators& table : host.GetAccelerators())
        for (const SHELLACCEL& entry : table.entries)
            if (entry.key == step.id) return SHostCommandDispatcher(host).FireAccelerator(entry.flags, entry.key);
    return S_FALSE;
}

HRESULT SRptHostEditor::Save() {
    if (m_saved) return S_OK;
    SComWrap<ISRptTemplate> first;
    HRESULT hr = m_report->GetTemplateAtPos(0, &first);
    if (hr != S_OK || !first) hr = FAILED(hr) ? hr : E_UNEXPECTED;
    if (hr == S_OK) {
        m_savedItems = 0;
        ForEachItem(AsItem(first.Get()).Get(), [&](ISRptItem*) {
            ++m_savedItems;
            return false;
        });
        hr = SRptHostTemplateFile::Save(m_report.Get(), m_templatePath, *m_form);
    }
    if (hr != S_OK) {
        m_err << "rpthost: " << SRptHostTemplateFile::DescribeSaveFault(m_templatePath, hr) << "\n";
        return FAILED(hr) ? hr : E_FAIL;
    }
    m_saved = true;
    return S_OK;
}

void SRptHostEditor::SayRecorded(const SStandInHost& host, size_t promptsBefore) const {
    for (const SHostCall& call : host.GetCalls())
        m_out << "host: " << call.operation.str() << (call.detail.IsEmpty() ? "" : " ") << call.detail.str() << "\n";
    const std::vector<SPrompt>& transcript = SInteraction::GetTranscript();
    for (size_t i = promptsBefore; i < transcript.size(); ++i) {
        const SPrompt& prompt = transcript[i];
        m_out << "prompt: " << prompt.caption.str() << (prompt.text.IsEmpty() ? "" : ": ") << prompt.text.str()
              << "\n";
    }
}
