#pragma once
// The real font engine: fontconfig chooses the face for a requested name, weight and slant (its
// aliases map Arial to Liberation Sans, Times New Roman to Liberation Serif, Courier New to
// Liberation Mono, and any unknown name to its default face, as a font mapper substitutes);
// metrics come from the chosen face's tables (SCairoFace.h, SCairoFont.h); cairo paints.
// Faces are kept by request so that fontconfig is asked once per face, weight and slant.
#include <map>
#include <string>
#include <tuple>

#include "platform/gdi/SCairoFace.h"
#include "platform/gdi/SFontEngine.h"

class SCairoFontEngine : public SFontEngine {
public:
    std::shared_ptr<const SRealisedFont> Realise(const SFontRequest& request) override;

private:
    std::shared_ptr<const SCairoFace> FindFace(const LOGFONTA& logFont);

    using FaceKey = std::tuple<std::string, int32_t, bool>;  // face name, weight, italic
    std::map<FaceKey, std::shared_ptr<const SCairoFace>> m_faces;
    // Reports name few faces; a run of unusual names cannot grow the map without bound.
    static constexpr size_t kMaxFaces = 128;
};
