// Arbitrary bytes as a stream of templates (a count, then each template's 76-byte header and its
// object record), read by the shell module into a collection: the reader must stop at what does
// not read without crashing, looping or allocating beyond the input, and what it puts into the
// collection must be templates.
#include "FuzzLibrary.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "varod9/ISRptTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_library::Start();
    SRptShellModule* shell = GetRptGlobalsContainer()->GetRptShellModule();
    if (!shell) __builtin_trap();
    SComWrap<ISRepSession> session;
    if (SRepSession::Create("fuzz", &session) != S_OK) __builtin_trap();
    SComWrap<ISRepClassCol> model;
    session->GetObjects(&model);
    SInputStringStream in{SString(std::string(reinterpret_cast<const char*>(data), size))};
    const HRESULT hr = shell->ReadTemplatesFromStream(in, model.Get(), session.Get());
    int32_t count = 0;
    model->GetCount(&count);
    if (hr == S_OK && count < 0) __builtin_trap();
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRepObject> element;
        model->Item(i, &element);
        SComWrap<ISRptTemplate> read;
        if (read.Assign(element.Get()) != S_OK) __builtin_trap();  // only templates go in
    }
    session->Close();
    return 0;
}
