#pragma once
// The editors' shell views as the host meets them: the stand-in host with the library's shell
// module initialised on it, a report named "Quarterly" with one template of module "Sales" in a
// session of its own, and a scripted interaction that fails the test on a prompt it did not
// expect. Whatever the test opened is closed, and the module is back as the test found it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/host/SHostCommandDispatcher.h"
#include "platform/host/SStandInHost.h"
#include "platform/repo/ISRepSessionView.h"
#include "platform/repo/SRepOption.h"
#include "platform/ui/SHelp.h"
#include "platform/ui/SScriptedInteraction.h"
#include "rpt/editor/SRptReportViewMap.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewBase.h"
#include "rpt/editor/SRptShellViewClassPreview.h"
#include "rpt/editor/SRptShellViewClassReport.h"
#include "rpt/editor/SRptShellViewClassTemplate.h"
#include "rpt/editor/SRptViewBase.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/reports/SRptReportWithTemplateFixture.h"
#include "varod9/RptApi.h"

// A second view of the session's document whose answer to the close decides it.
class SRefusingSessionView final : public ISRepSessionView {
public:
    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (!out) return E_POINTER;
        *out = riid == IUnknown::iid || riid == ISRepSessionView::iid ? this : nullptr;
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    uint32_t AddRef() override { return ++refs; }
    uint32_t Release() override { return --refs; }
    HRESULT SessionCanClose() override { return answer; }
    HRESULT SessionClose() override { return ++closes, S_OK; }
    HRESULT UpdateTitle() override { return S_OK; }
    ISShellView* GetISShellView() override { return nullptr; }

    HRESULT answer = S_FALSE;
    uint32_t refs = 0;
    int32_t closes = 0;
};

// A host module's command target behind a report editor: it records what it is asked.
class SRecordingCommandTarget final : public ISShellCommandTarget {
public:
    HRESULT QueryInterface(const GUID&, void**) override { return E_NOINTERFACE; }
    uint32_t AddRef() override { return 2; }
    uint32_t Release() override { return 1; }
    HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass*) override {
        asked.push_back(id);
        return answer;
    }
    HRESULT OnCommand(uint32_t id, ISShellCommandClass*) override {
        commands.push_back(id);
        return answer;
    }
    HRESULT OnCommandUI(uint32_t id, ISShellCommandClass*, uint32_t* state, char16_t*, uint32_t) override {
        updates.push_back(id);
        if (answer == S_OK && state) *state = 1;
        return answer;
    }
    HRESULT OnControlNotify(uint32_t, ISShellCommandClass*, MSG*, int32_t*) override { return S_FALSE; }

    HRESULT answer = S_OK;
    std::vector<uint32_t> asked, commands, updates;
};

class SRptShellViewFixture : public SRptReportWithTemplateFixture {
protected:
    void SetUp() override {
        SRptReportWithTemplateFixture::SetUp();
        module = Register("Sales", "Sales model");
        ASSERT_EQ(report->PutName("Quarterly"), S_OK);
        scope.emplace(&script);
        shell = GetRptGlobalsContainer()->GetRptShellModule();
        ASSERT_EQ(shell->Initialize(host), S_OK);
        host->ClearCalls();
    }
    void TearDown() override {
        host->CloseAllFrames();
        host->ClearCalls();
        SHelp::UnregisterHelpModule("varod9.hlp");
        shell->RemoveViewClass(SRptShellModule::GetTemplateViewClass());
        shell->RemoveViewClass(SRptShellModule::GetReportViewClass());
        shell->RemoveViewClass(SRptShellModule::GetPreviewViewClass());
        shell->Terminate();
        SRepOption::m_bShowWinFilePath = false;
        scope.reset();
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete()) << "scripted prompts were not all met";
        module.Clear();
        SRptReportWithTemplateFixture::TearDown();
    }

    enum Kind { Template, OneModel, MultiModel };
    // An editor of `kind` on the report, opened in the host; with `window` the host has asked for
    // its window as well.
    SRptShellViewBase* Open(Kind kind, bool window = true, ISShellCommandTarget* inner = nullptr) {
        SShellView* view = nullptr;
        HRESULT hr = E_FAIL;
        if (kind == Template) hr = CreateViewReportTemplateEditor(report.Get(), &view);
        if (kind == OneModel) hr = CreateViewIntraModelReportEditor(report.Get(), &view, inner);
        if (kind == MultiModel) hr = CreateViewMultiModelReportEditor(report.Get(), &view, inner);
        EXPECT_EQ(hr, S_OK);
        auto* editor = dynamic_cast<SRptShellViewBase*>(view);
        EXPECT_TRUE(editor);
        if (editor && window) {
            EXPECT_EQ(FrameOf(editor)->OpenWindow(), S_OK);
        }
        return editor;
    }
    SStandInViewFrame* FrameOf(SShellView* view) { return host->FindFrame(view->GetShellViewFace()); }
    SShellView* Entered() const { return SRptReportViewMap().Find(static_cast<ISRepObject*>(report.Get())); }
    // The titles the host was given, in order.
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const SHostCall& call : host->GetCalls())
            if (call.operation == "SetTitle") titles.push_back(call.detail.str());
        return titles;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const SHostCall& call : host->GetCalls())
            if (call.operation == "CreateViewFrame") captions.push_back(call.detail.str());
        return captions;
    }

    // The library's kinds of views keep the first host frame they meet for the process: every
    // test meets the same host, left without frames or records.
    static SStandInHost* SharedHost() {
        static SComWrap<SStandInHost, &ISShellHostFrame::iid> shared = SStandInHost::Create();
        return shared.Get();
    }

    SStandInHost* host = SharedHost();
    SRptShellModule* shell = nullptr;
    SComWrap<ISRptModule> module;
    SScriptedInteraction script;
    std::optional<SInteractionScope> scope;
};
