// The HTML device's pictures: a graphic file referred to where it lies, and a user graphic
// played into tiles of the template's printable area, each saved as a JPEG file and shown with an
// image map whose areas lead to the nodes that present the objects of the module's zones.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/base/SFile.h"
#include "platform/gdi/SBitmapSurface.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SJpegWriter.h"
#include "platform/gdi/SMetaFile.h"
#include "platform/gdi/SPictureFile.h"
#include "rpt/devices/generation/SRptGenerationNode.h"
#include "rpt/devices/graphics/SRptGraphicBitmap.h"
#include "rpt/devices/graphics/SRptGraphicCoords.h"
#include "rpt/devices/graphics/SRptGraphicLayout.h"
#include "rpt/devices/graphics/SRptUserGraphicLayout.h"
#include "rpt/devices/helpers/SRptOutputHelperUserGraphic.h"
#include "rpt/devices/html/SRptHtmlDevice.h"
#include "varod9/ISRptGraphicFile.h"
#include "varod9/ISRptUserGraphic.h"

namespace {

// Graphic files show their picture for these display flags (0 path and picture, 4 the picture).
constexpr int32_t kDisplayPathAndPicture = 0;
constexpr int32_t kDisplayPicture = 4;
// A zone smaller than this many square pixels is too small to click.
constexpr int64_t kMinZoneArea = 100;

int32_t Scaled(int32_t coordinate, double scale) {
    return static_cast<int32_t>(std::clamp(std::trunc(coordinate * scale), double{INT32_MIN}, double{INT32_MAX}));
}

// The zones of the whole drawing that show on a tile, in the tile's pixels: scaled as the drawing
// is, moved with the drawing's place on the tile, and kept when they reach into the tile and are
// large enough to click.
std::vector<RPTHOTZONELINK> ZonesOfTile(const STable<RPTHOTZONELINK>& zones, double scale, const RECT& target,
                                        SSize tile) {
    std::vector<RPTHOTZONELINK> shown;
    for (int32_t i = 0; i < zones.GetCount(); ++i) {
        const RPTHOTZONELINK& zone = zones[i];
        RPTHOTZONELINK moved;
        moved.link = zone.link;
        moved.rect.left = Scaled(zone.rect.left, scale) + target.left;
        moved.rect.top = Scaled(zone.rect.top, scale) + target.top;
        moved.rect.right = Scaled(zone.rect.right, scale) + target.left;
        moved.rect.bottom = Scaled(zone.rect.bottom, scale) + target.top;
        const RECT& r = moved.rect;
        const int64_t area = (int64_t{r.right} - r.left) * (int64_t{r.bottom} - r.top);
        if (r.right >= 0 && r.bottom >= 0 && r.left <= tile.cx && r.top <= tile.cy && area >= kMinZoneArea)
            shown.push_back(moved);
    }
    return shown;
}

}  // namespace

HRESULT SRptHtmlDevice::WriteGraphicFile(ISRptGraphicFile* pItem, SRptGenerationNode* pNode) {
    if (!pItem || !pNode || !IsPageOpen()) return E_INVALIDARG;
    if (!pNode->GetOutputHelper()) return S_OK;
    const SComWrap<ISRptPara> para = ParaAt(pItem, 0);
    const SString path = pItem->GetAbsPath();
    WriteBlock(para.Get(), [&] { return WriteItemTitle(pItem, path, pNode); });
    const int32_t display = pItem->GetDisplayFlag();
    if (display != kDisplayPathAndPicture && display != kDisplayPicture) return S_OK;
    // A picture that RTF and printing cannot read for its size is left out here as there; the
    // path stands for it where the display shows the path.
    if (SPictureFile::IsBeyondLimit(path)) return S_OK;
    // The picture stays where it lies: the page refers to it by URL.
    OutputParagraph(para.Get(), RPTHTMLPARA_BEGIN);
    Write("<img border=\"0\" src=\"" + SFile::PathToURL(path) + "\" alt=\"[" +
              SRptHtmlEscaper::Escape(path.view(), HTMLTEXT_INLINE) + "]\" />\r\n",
          HTMLTEXT_RAW);
    OutputParagraph(para.Get(), RPTHTMLPARA_END);
    return S_OK;
}

HRESULT SRptHtmlDevice::WriteUserGraphic(ISRptUserGraphic* pItem, SRptGenerationNode* pNode) {
    if (!pItem || !pNode) return E_INVALIDARG;
    const SSize area = SRptGraphicLayout::PrintableArea(pItem);
    // Tiles are files of their own, and no page ends at a picture: numbering pages passes them by.
    if (IsNumberingPages()) return S_OK;
    auto* helper = dynamic_cast<SRptOutputHelperUserGraphic*>(pNode->GetOutputHelper());
    const SMetaFile* recording = helper ? helper->GetRecording() : nullptr;
    // Without a recorded drawing of some size there is nothing to draw.
    if (!recording) return S_OK;
    const SMetaFile& metaFile = *recording;
    const SRptUserGraphicLayout layout(metaFile, area, pItem);
    if (!layout.IsPlaced()) return S_OK;
    // Each tile's bitmap is larger than the tile by two device pixels and a little, so that the
    // drawing's edge is not cut off.
    const int32_t allowance = layout.GetEdgeAllowance();
    const int32_t columns = layout.GetColumns();
    const int32_t rows = layout.GetRows();
    // The zones are in the drawing's own units: they grow and shrink with it.
    const double scale = layout.GetScale();
    const SString altText = helper->GetPictureText();

    for (int32_t index = 0; index < static_cast<int32_t>(layout.GetTileCount()); ++index) {
        const SRptPictureTile tile = layout.GetTile(index / columns, index % columns);
        const SSize bitmapSize{tile.size.cx + allowance, tile.size.cy + allowance};
        SRptGraphicBitmap picture;
        picture.Lock(bitmapSize);
        SDC* dc = picture.GetDrawDC();
        UseMetricDownwards(*dc);
        RECT bounds{0, 0, bitmapSize.cx, bitmapSize.cy};
        LPtoDPRect(dc, &bounds);
        RECT target = tile.target;
        LPtoDPRect(dc, &target);
        // The tile's pixels, measured while the metric mapping holds, bound the zones it shows.
        SSize pixels = bitmapSize;
        LPtoDPSize(dc, &pixels);
        dc->SetMapMode(MM_TEXT);

        RECT clip;
        dc->GetClipBox(&clip);
        dc->IntersectClipRect(bounds.left, bounds.top, bounds.right, bounds.bottom);
        dc->PlayEnhMetaFile(metaFile, target);
        dc->SelectClipRgn(nullptr);
        dc->IntersectClipRect(clip.left, clip.top, clip.right, clip.bottom);

        const std::vector<RPTHOTZONELINK> zones = ZonesOfTile(helper->GetHotZoneTable(), scale, target, pixels);
        picture.Unlock();
        const HRESULT hr = WriteTile(pItem, &picture, rows, columns, index / columns, index % columns, zones, &altText);
        if (hr < 0) return hr;
    }
    return S_OK;
}

HRESULT SRptHtmlDevice::WriteTile(ISRptUserGraphic*, SRptGraphicBitmap* pPicture, int32_t nRows, int32_t nColumns,
                                  int32_t nRow, int32_t nColumn, const std::vector<RPTHOTZONELINK>& zones,
                                  const SString* pAltText) {
    if (!pPicture) return E_INVALIDARG;
    const SString fileName = m_names.PictureName(m_nPictureCount);
    SString mapName;
    mapName.Format("%s%d_map", m_names.GetPrefix().c_str(), m_nPictureCount);
    ++m_nPictureCount;

    // The tile is saved before the page refers to it: a tile that cannot be saved ends the run
    // rather than leave a page showing a missing picture.
    const std::shared_ptr<const SBitmapSurface> bitmap = FindBitmap(pPicture->GetBitmap()->GetSafeHandle());
    SJpegWriter::WriteSurface(m_names.PathOf(fileName), bitmap ? bitmap->GetSurface() : nullptr);

    SString cell;
    if (nRow == 0 && nColumn == 0) cell += "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">\r\n";
    if (nColumn == 0) cell += "<tr>\r\n";
    cell += "<td>\r\n";
    SString image;
    image.Format("<img border=\"0\" src=\"%s\" alt=\"%s\" name=\"%s\" usemap=\"#%s\" />\r\n",
                 SRptHtmlEscaper::EncodeUrl(fileName.view()).c_str(),
                 SRptHtmlEscaper::Escape(pAltText ? pAltText->view() : std::string_view(), HTMLTEXT_INLINE).c_str(),
                 SRptHtmlEscaper::Escape(fileName.view(), HTMLTEXT_INLINE).c_str(),
                 SRptHtmlEscaper::Escape(mapName.view(), HTMLTEXT_INLINE).c_str());
    cell += image;
    cell += "<map name=\"" + SRptHtmlEscaper::Escape(mapName.view(), HTMLTEXT_INLINE) + "\">\r\n";
    // From the last zone of the table to the first: where zones overlap, the later one is clicked.
    for (auto zone = zones.rbegin(); zone != zones.rend(); ++zone) {
        if (!zone->link) continue;
        SRptOutputHelper* linkedHelper = zone->link->GetOutputHelper();
        const SString linkedText = linkedHelper ? linkedHelper->GetText() : SString();
        SString area;
        area.Format("<area shape=\"%s\" coords=\"%d,%d,%d,%d\" href=\"%s#%ld\" alt=\"%s\" />\r\n", "rect",
                    zone->rect.left, zone->rect.top, zone->rect.right, zone->rect.bottom,
                    SRptHtmlEscaper::EncodeUrl(GetPageName(zone->link).view()).c_str(), zone->link->GetSerial(),
                    SRptHtmlEscaper::Escape(linkedText.view(), HTMLTEXT_INLINE).c_str());
        cell += area;
    }
    cell += "</map>\r\n</td>\r\n";
    if (nColumn == nColumns - 1) cell += "</tr>\r\n";
    if (nRow == nRows - 1 && nColumn == nColumns - 1) cell += "</table>\r\n";
    Write(cell, HTMLTEXT_RAW);
    return S_OK;
}
