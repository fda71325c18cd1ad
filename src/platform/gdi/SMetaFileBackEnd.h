#pragma once
// The recording back end of a metafile device context: every drawing operation becomes one or
// more enhanced-metafile records in the reference device's pixels (the mapping of the device
// context is applied before the records are made, so the metafile itself stays in MM_TEXT).
// Pens, brushes and fonts are created, selected and deleted as the operations need them.
// Closing gives the whole metafile: header, records, end.
#include <optional>
#include <vector>

#include "platform/gdi/SDCBackEnd.h"

class SMetaFileBackEnd : public SDCBackEnd {
public:
    // `frame` in hundredths of a millimetre; null takes the frame from what is drawn.
    SMetaFileBackEnd(const SDeviceCaps& reference, const RECT* frame);

    const SDeviceCaps& GetCaps() const override { return m_caps; }
    bool DrawText(const STextRun& run) override;
    bool FillRect(const RECT& rect, COLORREF colour) override;
    bool DrawShape(const SShape& shape) override;
    bool DrawImage(const SImageRun& image) override;
    void SetClip(const RECT* clip) override;

    // The complete metafile; the back end records nothing afterwards.
    std::vector<uint8_t> Close();

    // The handle slots the records use: pen, brush and font.
    static constexpr uint32_t kPenSlot = 1;
    static constexpr uint32_t kBrushSlot = 2;
    static constexpr uint32_t kFontSlot = 3;
    static constexpr uint16_t kHandles = 4;

private:
    void Add(std::vector<uint8_t> record);
    void AddWord(uint32_t type, uint32_t value);
    void Include(int32_t x, int32_t y);
    void UsePen(const LOGPEN& pen);
    void UseBrush(const LOGBRUSH& brush);
    void UseFont(const LOGFONTA& font);
    void UseTextColour(COLORREF colour);

    SDeviceCaps m_caps;
    std::optional<RECT> m_frame;
    std::vector<uint8_t> m_body;
    uint32_t m_records = 0;
    std::optional<RECT> m_bounds;
    std::optional<LOGPEN> m_pen;
    std::optional<LOGBRUSH> m_brush;
    std::optional<LOGFONTA> m_font;
    std::optional<COLORREF> m_textColour;
    bool m_closed = false;
};
