#include "platform/ui/SDlgTemplate.h"

#include <cstring>

#include "platform/ui/SResInstance.h"
#include "platform/ui/SResourceTypes.h"

namespace {
struct Reader {
    const uint8_t* p;
    const uint8_t* end;
    bool ok = true;

    uint16_t Word() {
        if (end - p < 2) {
            ok = false;
            return 0;
        }
        uint16_t value = static_cast<uint16_t>(p[0] | (p[1] << 8));
        p += 2;
        return value;
    }
    uint32_t Dword() {
        uint32_t low = Word();
        return low | (static_cast<uint32_t>(Word()) << 16);
    }
    RECT Rect() {
        auto x = static_cast<int16_t>(Word()), y = static_cast<int16_t>(Word());
        auto cx = static_cast<int16_t>(Word()), cy = static_cast<int16_t>(Word());
        return RECT{x, y, x + cx, y + cy};
    }
    SString Text() {
        const void* zero = p < end ? std::memchr(p, 0, static_cast<size_t>(end - p)) : nullptr;
        if (!zero) {
            ok = false;
            return SString();
        }
        SString text(reinterpret_cast<const char*>(p));
        p = static_cast<const uint8_t*>(zero) + 1;
        return text;
    }
};
}  // namespace

bool SDlgTemplate::Load(HINSTANCE instance, uint32_t templateId) {
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!instance) instance = SGetResInstance(templateId, RT_DIALOG);
    if (!SFindResource(instance, templateId, RT_DIALOG, &data, &size)) return false;
    id = templateId;
    return Parse(data, size);
}

bool SDlgTemplate::Parse(const uint8_t* data, size_t size) {
    Reader in{data, data + size};
    style = in.Dword();
    rect = in.Rect();
    caption = in.Text();
    const uint16_t count = in.Word();
    controls.clear();
    for (uint16_t i = 0; i < count && in.ok; ++i) {
        SDlgTemplateControl control;
        control.style = in.Dword();
        control.rect = in.Rect();
        control.id = in.Word();
        control.className = in.Text();
        control.text = in.Text();
        controls.push_back(std::move(control));
    }
    return in.ok;
}
