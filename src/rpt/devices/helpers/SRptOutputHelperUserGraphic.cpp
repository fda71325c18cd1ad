#include "rpt/devices/helpers/SRptOutputHelperUserGraphic.h"

#include <new>

#include "platform/gdi/SWindowDC.h"
#include "rpt/devices/generation/SRptDevice.h"
#include "rpt/devices/generation/SRptGenerationNodeUserGraphic.h"
#include "rpt/devices/generation/SRptGenerationTree.h"
#include "rpt/devices/graphics/SRptGraphicMetaFile.h"

SRptOutputHelperUserGraphic::~SRptOutputHelperUserGraphic() {
    m_links.RemoveAll();
    m_zones.RemoveAll();
}

SSize SRptOutputHelperUserGraphic::RecordingSize(int32_t width, int32_t height) {
    SWindowDC screen;
    const double cx = screen.GetDeviceCaps(LOGPIXELSX) * static_cast<double>(width) * 0.03937007874015748 /
                      screen.GetDeviceCaps(HORZRES) * screen.GetDeviceCaps(HORZSIZE);
    const double cy = screen.GetDeviceCaps(LOGPIXELSY) * static_cast<double>(height) * 0.03937007874015748 /
                      screen.GetDeviceCaps(VERTRES) * screen.GetDeviceCaps(VERTSIZE);
    return SSize{static_cast<int32_t>(cx), static_cast<int32_t>(cy)};
}

HRESULT SRptOutputHelperUserGraphic::Init(IUnknown* client) {
    RPTPROCCONTEXT record;
    record.OnePageType = 2;
    record.GraphicWord2 = 2;
    record.ZoomPerct = 100;
    SComWrap<ISRptProcs> procs;
    const HRESULT hr = FillNodeRecord(client, &record, std::addressof(procs));
    if (FAILED(hr)) return hr;

    if (auto* node = dynamic_cast<SRptGenerationNodeUserGraphic*>(m_node)) {
        m_width = node->GetPictureWidth();
        m_height = node->GetPictureHeight();
        for (int i = 0; i < 4; ++i) m_layout[i] = node->GetPictureWords()[i];
    }
    auto* picture = new (std::nothrow) SRptGraphicMetaFile;
    if (!picture) return E_OUTOFMEMORY;
    m_picture.reset(picture);

    picture->Lock(RecordingSize(m_width, m_height));
    record.DrawingDC = picture->GetDrawDC();
    SRptGenerationTree* tree = m_node ? m_node->GetTree() : nullptr;
    record.HotZones = tree && tree->GetDeviceKind() == RPTDEVICE_HTML ? &m_zones : nullptr;
    procs->GetValue(nullptr, &record);
    m_text = record.PictureText;
    picture->Unlock();
    return S_OK;
}

const SMetaFile* SRptOutputHelperUserGraphic::GetRecording() const {
    auto* recording = dynamic_cast<SRptGraphicMetaFile*>(m_picture.get());
    if (!recording || recording->GetMetaFileA()->IsEmpty()) return nullptr;
    const SMetaFile* metaFile = recording->GetMetaFileA();
    const SSize drawing = metaFile->GetSize();
    const SSize device = metaFile->GetSizeInDeviceUnits();
    if (drawing.cx <= 0 || drawing.cy <= 0 || device.cx <= 0 || device.cy <= 0) return nullptr;
    return metaFile;
}

HRESULT SRptOutputHelperUserGraphic::ResolveLinks() {
    m_links.RemoveAll();
    for (SRptHotZoneMap::Node zone = m_zones.GetFirst(); zone; zone = m_zones.GetNext(zone)) {
        RPTHOTZONELINK link;
        link.rect = zone.GetKey();
        link.link = FindLinkedNode(zone.GetValue().TargetItem, zone.GetValue().ObjectID);
        m_links.Add(link);
    }
    return S_OK;
}
