#pragma once
// `rpthost edit`: a template opened in the library's template editor inside the stand-in host,
// edited by the actions of a script as a user would (commands, keys, selections, items dropped
// from the available items, the template renamed in place, answers to the library's prompts),
// then saved where it was read from, in the form it was read in or the one the caller asks for.
// A template file that is not there yet starts as an empty template of the model. When the
// script closes the editor (Hide, Esc) the document closes with it: the template is saved then,
// as a host saves a document whose editor closes, and no later action finds an editor.
#include <optional>
#include <ostream>

#include "SRptEditScript.h"
#include "SRptHostTemplateFile.h"
#include "platform/com/HRESULT.h"
#include "platform/com/SComWrap.h"
#include "platform/host/SStandInHost.h"
#include "platform/repo/ISRepSessionView.h"
#include "varod9/ISRptReport.h"

class SRptEditAnswers;
class SRptShellViewBase;
class SRptViewBase;

class SRptHostEditor {
public:
    // Without a `form` the template keeps the form of its document (XML for a new one).
    SRptHostEditor(const SString& templatePath, const SRptEditScript& script, std::ostream& out, std::ostream& err,
                   std::optional<SRptHostTemplateFile::DocumentForm> form = std::nullopt)
        : m_templatePath(templatePath), m_script(script), m_out(out), m_err(err), m_form(form) {}

    // 0 once the template is saved; a failure is said on `err`. With `verbose` what the host
    // recorded and the prompts of the library follow on `out`.
    int Run(bool verbose);

private:
    // The host's part in the document's session: when the document closes while the script
    // runs, the template is saved first; a save that fails keeps the document open.
    class SDocumentWatch final : public ISRepSessionView {
    public:
        explicit SDocumentWatch(SRptHostEditor& editor) : m_editor(editor) {}
        HRESULT QueryInterface(const GUID& riid, void** out) override;
        // Lives on the editor's stack for the run: the count is not its life.
        uint32_t AddRef() override { return 2; }
        uint32_t Release() override { return 1; }
        HRESULT SessionCanClose() override;
        HRESULT SessionClose() override { return S_OK; }
        HRESULT UpdateTitle() override { return S_OK; }
        ISShellView* GetISShellView() override { return nullptr; }

    private:
        SRptHostEditor& m_editor;
    };

    // The editing proper, between the opening of the editor and its close.
    HRESULT Edit(SRptShellViewBase* editor, SStandInHost& host, SRptEditAnswers& answers);
    HRESULT Select(const SRptEditStep& step, SRptViewBase* window);
    HRESULT Add(const SRptEditStep& step, SRptViewBase* window);
    HRESULT Rename(const SRptEditStep& step, SRptViewBase* window);
    HRESULT PressKey(const SRptEditStep& step, SStandInHost& host);
    // Saves the template once; a failure is said on `err`.
    HRESULT Save();
    // What the host recorded in this run, and the prompts after the first `promptsBefore`.
    void SayRecorded(const SStandInHost& host, size_t promptsBefore) const;

    SString m_templatePath;
    const SRptEditScript& m_script;
    std::ostream& m_out;
    std::ostream& m_err;
    std::optional<SRptHostTemplateFile::DocumentForm> m_form;
    SComWrap<ISRptReport> m_report;
    bool m_editing = false;
    bool m_saved = false;
    int32_t m_savedItems = 0;
};
