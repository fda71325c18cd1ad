#include "platform/gdi/STestFontEngine.h"

#include "platform/gdi/STestFont.h"

int32_t STestFontEngine::EmForRequest(const SFontRequest& request) {
    if (request.deviceHeight == 0) return SFontEngine::DefaultEm(request);
    const int64_t height = request.deviceHeight;
    return SFontEngine::ClampEm(height < 0 ? -height : (height * 4 + 2) / 5);
}

std::shared_ptr<const SRealisedFont> STestFontEngine::Realise(const SFontRequest& request) {
    return std::make_shared<STestFont>(request, EmForRequest(request));
}
