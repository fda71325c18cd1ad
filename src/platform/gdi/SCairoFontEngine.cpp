#include "platform/gdi/SCairoFontEngine.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

#include "platform/gdi/SCairoFont.h"

namespace {

FcPattern* MatchFace(const SString& name, int32_t weight, bool italic) {
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return nullptr;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    return match;
}

}  // namespace

std::shared_ptr<const SRealisedFont> SCairoFontEngine::Realise(const SFontRequest& request) {
    std::shared_ptr<const SCairoFace> face = FindFace(request.logFont);
    if (!face) return nullptr;
    return std::make_shared<SCairoFont>(face, request, SCairoFont::EmForRequest(*face, request));
}

std::shared_ptr<const SCairoFace> SCairoFontEngine::FindFace(const LOGFONTA& logFont) {
    const SString name = FaceForRequest(logFont);
    const int32_t weight = logFont.lfWeight > 0 ? std::min(logFont.lfWeight, 1000) : FW_NORMAL;
    const FaceKey key{name.str(), weight, logFont.lfItalic != 0};
    auto known = m_faces.find(key);
    if (known != m_faces.end()) return known->second;

    FcPattern* match = MatchFace(name, weight, logFont.lfItalic != 0);
    std::shared_ptr<const SCairoFace> face = SCairoFace::Create(match);
    if (match) FcPatternDestroy(match);
    if (!face) return nullptr;
    // Realised fonts hold their face, so forgetting the faces never pulls one from under them.
    if (m_faces.size() >= kMaxFaces) m_faces.clear();
    m_faces.emplace(key, face);
    return face;
}
