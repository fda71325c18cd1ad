// The RTF device's pictures: graphic files and user graphics drawn into page images, and every
// image written as a picture group with its data in hexadecimal.
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/base/SFile.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "rpt/devices/generation/SRptGenerationNode.h"
#include "rpt/devices/graphics/SRptGraphicBitmap.h"
#include "rpt/devices/graphics/SRptGraphicCoords.h"
#include "rpt/devices/graphics/SRptGraphicLayout.h"
#include "rpt/devices/graphics/SRptGraphicMetaFile.h"
#include "rpt/devices/graphics/SRptUserGraphicLayout.h"
#include "rpt/devices/helpers/SRptOutputHelperGraphicFile.h"
#include "rpt/devices/helpers/SRptOutputHelperUserGraphic.h"
#include "rpt/devices/rtf/SRptRtfDevice.h"
#include "varod9/ISRptGraphicFile.h"
#include "varod9/ISRptUserGraphic.h"

namespace {

// Goal sizes and picture sizes beyond this (316.8 mm) take the zoom into the size instead.
constexpr int32_t kMaxGoal = 31680;

// A picture drawn over the whole of a new metafile of `size`: a metafile is played into it, a
// bitmap stretched onto it. Bitmaps go into metafiles because the picture group of a bitmap is one
// that some readers refuse, failing the whole document, while every reader shows a metafile
// holding the bitmap.
std::unique_ptr<SRptGraphic> CopyIntoMetaFile(SRptGraphic* source, SSize size) {
    auto output = std::make_unique<SRptGraphicMetaFile>();
    output->Lock(size);
    SDC* dc = output->GetDrawDC();
    UseMetricDownwards(*dc);
    const RECT target{0, 0, size.cx, size.cy};
    if (source->GetFormat() == 1) {
        dc->PlayEnhMetaFile(*static_cast<SRptGraphicMetaFile*>(source)->GetMetaFileA(), target);
    } else if (source->GetFormat() == 2) {
        SBitmap* bitmap = static_cast<SRptGraphicBitmap*>(source)->GetBitmap();
        BITMAP description;
        SDC memory;
        if (bitmap->GetBitmap(&description) && memory.CreateCompatibleDC(dc)) {
            memory.SelectObject(bitmap->GetSafeHandle());
            dc->StretchBlt(0, 0, size.cx, size.cy, &memory, 0, 0, description.bmWidth, description.bmHeight, SRCCOPY);
        }
    }
    dc->SelectClipRgn(nullptr);
    output->Unlock();
    return output;
}

}  // namespace

HRESULT SRptRtfDevice::WritePicture(IUnknown* pItem, SRptGraphic* pGraphic) {
    if (!pGraphic) return E_INVALIDARG;
    const uint32_t size = pGraphic->GetBits(0, nullptr);
    if (size == 0) return S_OK;
    std::vector<unsigned char> data(size);
    if (pGraphic->GetBits(size, data.data()) < size) return E_UNEXPECTED;
    const SSize area = SRptGraphicLayout::PrintableArea(pItem);
    SSize picture = pGraphic->GetSize();
    // A picture without a size, or a page without room, has nowhere to go.
    if (area.cx <= 0 || area.cy <= 0 || picture.cx <= 0 || picture.cy <= 0) return S_OK;
    if (!pGraphic->GetUseZoom()) picture = SRptGraphicLayout::FitInIntegers(picture, area);
    int32_t scale = pGraphic->GetZoomPerct();
    if (picture.cx > kMaxGoal || picture.cy > kMaxGoal) {
        picture.cx = static_cast<int32_t>(static_cast<int64_t>(picture.cx) * scale / 100);
        picture.cy = static_cast<int32_t>(static_cast<int64_t>(picture.cy) * scale / 100);
        scale = 100;
    }
    const int32_t goalX = ToTwips(picture.cx);
    const int32_t goalY = ToTwips(picture.cy);
    SString header;
    switch (pGraphic->GetFormat()) {
    case 1:
        header.Format("{\\pict\\emfblip\\picw%ld\\pich%ld\\picwgoal%ld\\pichgoal%ld\\picscalex%d\\picscaley%d", picture.cx,
                      picture.cy, goalX, goalY, scale, scale);
        break;
    case 2: {
        BITMAP bitmap;
        pGraphic->GetBitmap(&bitmap);
        header.Format("{\\pict\\wbitmap0\\picw%ld\\pich%ld\\wbmbitspixel%ld\\wbmplanes%ld\\wbmwidthbytes%ld\\picwgoal%ld"
                      "\\pichgoal%ld\\picscalex%d\\picscaley%d",
                      bitmap.bmWidth, bitmap.bmHeight, static_cast<int32_t>(bitmap.bmBitsPixel),
                      static_cast<int32_t>(bitmap.bmPlanes), bitmap.bmWidthBytes, goalX, goalY, scale, scale);
        break;
    }
    default: return S_OK;
    }
    WriteLine();
    WriteText(header, RTFTEXT_RAW);
    WriteLine();
    if (m_output) {
        static const char kDigits[] = "0123456789abcdef";
        for (unsigned char byte : data) {
            const char hex[2] = {kDigits[byte >> 4], kDigits[byte & 0x0F]};
            m_output->Write(hex, 2);
        }
    }
    WriteLine();
    WriteText("}", RTFTEXT_RAW);
    WriteLine();
    return S_OK;
}

std::unique_ptr<SRptGraphic> SRptRtfDevice::RenderGraphicFile(SRptGraphic* pSource, SSize size) {
    WriteText("\\par\\pard\\plain", RTFTEXT_RAW);
    std::unique_ptr<SRptGraphic> output = CopyIntoMetaFile(pSource, size);
    WriteText("\\pard", RTFTEXT_RAW);
    return output;
}

HRESULT SRptRtfDevice::WriteGraphicFile(ISRptGraphicFile* pItem, SRptGenerationNode* pNode) {
    if (!pItem || !pNode) return E_INVALIDARG;
    const SSize area = SRptGraphicLayout::PrintableArea(pItem);
    auto* helper = dynamic_cast<SRptOutputHelperGraphicFile*>(pNode->GetOutputHelper());
    SRptGraphic* source = helper ? helper->GetPicture() : nullptr;
    if (!source || !SFile::Exists(helper->GetPath())) return S_OK;
    // A picture that cannot be read, or has no size, or a page without room, is left out.
    if (source->LoadFile(helper->GetPath(), m_refDC.get()) != 1) return S_OK;
    const SSize picture = source->GetSize();
    if (picture.cx <= 0 || picture.cy <= 0 || area.cx <= 0 || area.cy <= 0) return S_OK;
    const SSize size = SRptGraphicLayout::FitByRatio(picture, area);
    if (size.cx <= 0 || size.cy <= 0) return S_OK;
    std::unique_ptr<SRptGraphic> output = RenderGraphicFile(source, size);
    return WritePicture(pItem, output.get());
}

HRESULT SRptRtfDevice::WriteUserGraphic(ISRptUserGraphic* pItem, SRptGenerationNode* pNode) {
    if (!pItem || !pNode) return E_INVALIDARG;
    const SSize area = SRptGraphicLayout::PrintableArea(pItem);
    auto* helper = dynamic_cast<SRptOutputHelperUserGraphic*>(pNode->GetOutputHelper());
    const SMetaFile* recording = helper ? helper->GetRecording() : nullptr;
    // Without a recorded drawing there is nothing to place.
    if (!recording) return S_OK;
    const SMetaFile& metaFile = *recording;
    const SRptUserGraphicLayout layout(metaFile, area, pItem);
    if (!layout.IsPlaced()) return S_OK;
    const int32_t allowance = layout.GetEdgeAllowance();
    const int32_t columns = layout.GetColumns();
    for (int64_t index = 0; index < layout.GetTileCount(); ++index) {
        const SRptPictureTile tile =
            layout.GetTile(static_cast<int32_t>(index / columns), static_cast<int32_t>(index % columns));
        std::unique_ptr<SRptGraphic> image;
        if (pItem->GetFormat() == 2) image = std::make_unique<SRptGraphicBitmap>();
        else image = std::make_unique<SRptGraphicMetaFile>();
        // A little room around the drawing, so that its edge is not cut off on the page image.
        image->Lock(SSize{tile.size.cx + allowance, tile.size.cy + allowance});
        SDC* dc = image->GetDrawDC();
        UseMetricDownwards(*dc);
        RECT target = tile.target;
        LPtoDPRect(dc, &target);
        dc->SetMapMode(MM_TEXT);
        RECT clip;
        dc->GetClipBox(&clip);
        WriteLine();
        WriteText("\\pard\\plain", RTFTEXT_RAW);
        WriteLine();
        // The recording is played into bitmap page images as well: it is the same drawing.
        dc->PlayEnhMetaFile(metaFile, target);
        WriteLine();
        WriteText("\\pard", RTFTEXT_RAW);
        WriteLine();
        dc->SelectClipRgn(nullptr);
        dc->IntersectClipRect(clip.left, clip.top, clip.right, clip.bottom);
        image->Unlock();
        // A bitmap page is written inside a metafile, as graphic files are.
        if (image->GetFormat() == 2) image = CopyIntoMetaFile(image.get(), image->GetSize());
        WritePicture(pItem, image.get());
        WriteLine();
        WriteText(layout.IsParagraph() ? "\\par" : "\\page", RTFTEXT_RAW);
        WriteLine();
    }
    return S_OK;
}
