#pragma once
// Help: modules register their help file for a range of help contexts; every request to show
// help is recorded (there is no help viewer here) with the file that serves it.
#include <cstdint>
#include <vector>

#include "platform/base/SString.h"

struct SHelpCall {
    uint32_t context = 0;
    SString file;  // empty when no module registered the context
};

class SHelp {
public:
    static void RegisterHelpModule(const SString& file, uint32_t firstContext, uint32_t lastContext);
    static void UnregisterHelpModule(const SString& file);
    static SString FindHelpFile(uint32_t context);
    static void ShowHelpContext(uint32_t context);
    // Shows the contents of the help file that serves `context`.
    static void ShowHelpContents(uint32_t context) { ShowHelpContext(context); }

    static const std::vector<SHelpCall>& GetCalls();
    static void ClearCalls();
};
