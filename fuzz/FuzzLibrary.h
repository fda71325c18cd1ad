#pragma once
// What the fuzz targets of the template readers share: the library started once (the report
// classes and their type library exist only then), and shut down at exit so that leak detection
// sees only real leaks; and the check of a document reader of either form.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/base/SInputStringStream.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/gdi/SFontEngine.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepSession.h"
#include "platform/repo/SRepStreamManager.h"
#include "rpt/module/SRptStartup.h"
#include "rpt/module/SRptTemplateLoadSaveManager.h"
#include "varod9/ISRptModule.h"
#include "varod9/RptApi.h"

namespace fuzz_library {

// The module registered while the library runs: templates of other modules are refused before
// their contents are read.
inline ISRptModule*& Module() {
    static ISRptModule* module = nullptr;
    return module;
}

inline void Start() {
    static const bool started = [] {
        SRptStartup::ProcessAttach(nullptr);
        RptRegisterModule(nullptr, "MOD", "Module", 1, &Module());
        std::atexit([] {
            if (ISRptModule* module = Module()) {
                RptUnregisterModule(module);
                module->Release();
            }
            SRptStartup::ProcessDetach();
            SFontEngine::ReleaseSharedCaches();
        });
        return true;
    }();
    (void)started;
}

inline int32_t ModelCount(ISRepSession* session) {
    SComWrap<ISRepClassCol> model;
    session->GetObjects(&model);
    int32_t count = 0;
    model->GetCount(&count);
    return count;
}

// Arbitrary bytes read as a document, with the template files' manager answering for the names
// of older versions: a refusal keeps nothing and points inside the input; what is accepted writes
// out again and reads back in the current form.
template <class Manager>
void CheckDocumentReader(const uint8_t* data, size_t size) {
    Start();
    // Ids drawn at random would make the written document, and so the paths the input takes,
    // differ from one run of the same input to the next.
    SRepObjectBaseMem::RestartNewOIDs(1);
    SComWrap<ISRepSession> session;
    if (SRepSession::Create("fuzz", &session) != S_OK) __builtin_trap();
    Manager manager;
    SComWrap<SRptTemplateLoadSaveManager> names;
    names.Attach(new SRptTemplateLoadSaveManager());
    names->AddRef();
    SInputStringStream in{SString(std::string(reinterpret_cast<const char*>(data), size))};
    SReadResult result;
    const HRESULT hr = manager.Load(in, names.Get(), session.Get(), &result);
    if (FAILED(hr)) {
        if (ModelCount(session.Get()) != 0 || result.offset > size || result.code != hr) __builtin_trap();
    } else if (ModelCount(session.Get()) > 0) {
        SComWrap<ISRepObject> root;
        session->GetRootObject(ISRepObject::iid, reinterpret_cast<void**>(&root));
        SOutputStringStream written;
        if (manager.Save(written, root.Get()) != S_OK) __builtin_trap();
        SComWrap<ISRepSession> again;
        SRepSession::Create("again", &again);
        SInputStringStream reread{written.GetString()};
        if (manager.Load(reread, static_cast<ISLoadSaveManager*>(nullptr), again.Get()) != S_OK) __builtin_trap();
        again->Close();
    }
    session->Close();
}

}  // namespace fuzz_library
