#pragma once
// What the writers read of a picture's node: the picture object they embed, draw or convert,
// and, for a user graphic, the size, the four layout words and the text that the module
// returned with its drawing.
#include <memory>

#include "rpt/devices/graphics/SRptGraphic.h"
#include "rpt/devices/helpers/SRptOutputHelper.h"

class SRptOutputHelperPicture : public SRptOutputHelper {
public:
    using SRptOutputHelper::SRptOutputHelper;

    // Pictures show no text in the contents.
    SString GetText() override { return SString(); }

    SRptGraphic* GetPicture() const { return m_picture.get(); }
    int32_t GetWidth() const { return m_width; }
    int32_t GetHeight() const { return m_height; }
    const int32_t* GetLayoutWords() const { return m_layout; }
    const SString& GetPictureText() const { return m_text; }

protected:
    std::unique_ptr<SRptGraphic> m_picture;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_layout[4]{};
    SString m_text;
};
