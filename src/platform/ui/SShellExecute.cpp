#include "platform/ui/SShellExecute.h"

#include "varod9/SInteraction.h"

intptr_t ShellExecuteA(SWnd*, const char* operation, const char* file, const char* parameters, const char*,
                       int32_t) {
    SPrompt prompt;
    prompt.kind = SPrompt::Open;
    prompt.caption = operation ? operation : "open";
    prompt.text = file;
    prompt.parameters = parameters;
    return SInteraction::Ask(prompt).succeeded ? 42 : SE_ERR_FNF;
}
