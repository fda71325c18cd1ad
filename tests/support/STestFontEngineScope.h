#pragma once
// Makes the deterministic font engine the process's engine for the life of the scope, so that
// expected text metrics do not depend on the fonts installed (formula in STestFontEngine.h).
#include <memory>

#include "platform/gdi/STestFontEngine.h"

class STestFontEngineScope {
public:
    STestFontEngineScope() : m_previous(SFontEngine::SetCurrent(std::make_shared<STestFontEngine>())) {}
    ~STestFontEngineScope() { SFontEngine::SetCurrent(m_previous); }
    STestFontEngineScope(const STestFontEngineScope&) = delete;
    STestFontEngineScope& operator=(const STestFontEngineScope&) = delete;

private:
    std::shared_ptr<SFontEngine> m_previous;
};
