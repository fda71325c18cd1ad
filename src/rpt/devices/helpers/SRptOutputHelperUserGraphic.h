#pragma once
// A user graphic: the picture the module draws into a recorded metafile when the helper is
// made, with the clickable zones the module declares for HTML and, once the tree is complete,
// the generation nodes those zones link to.
#include "platform/base/RECT.h"
#include "platform/base/STable.h"
#include "rpt/devices/helpers/SRptOutputHelperPicture.h"
#include "rpt/devices/html/SRptHotZoneMap.h"

class SMetaFile;
class SRptGenerationNode;

struct RPTHOTZONELINK {
    RECT rect;
    SRptGenerationNode* link = nullptr;  // null when the zone's target is presented nowhere else
};

class SRptOutputHelperUserGraphic : public SRptOutputHelperPicture {
public:
    using SRptOutputHelperPicture::SRptOutputHelperPicture;
    ~SRptOutputHelperUserGraphic() override;

    HRESULT Init(IUnknown* client) override;
    HRESULT ResolveLinks() override;

    SRptHotZoneMap& GetHotZoneMap() { return m_zones; }
    const STable<RPTHOTZONELINK>& GetHotZoneTable() const { return m_links; }
    // The module's drawing when it recorded one with a size, in hundredths of a millimetre and in
    // device units; null when there is nothing to place.
    const SMetaFile* GetRecording() const;

    // The recording size (hundredths of a millimetre) for the module's size, scaled by the
    // screen's ratio of logical to physical resolution.
    static SSize RecordingSize(int32_t width, int32_t height);

private:
    SRptHotZoneMap m_zones;
    STable<RPTHOTZONELINK> m_links;
};
