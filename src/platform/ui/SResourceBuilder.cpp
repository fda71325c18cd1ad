#include "platform/ui/SResourceBuilder.h"

#include <cstring>

namespace {
void Word(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>(value >> 8));
}
void Dword(std::vector<uint8_t>& out, uint32_t value) {
    Word(out, static_cast<uint16_t>(value & 0xFFFF));
    Word(out, static_cast<uint16_t>(value >> 16));
}
void Text(std::vector<uint8_t>& out, const char* text) {
    const size_t n = text ? std::strlen(text) : 0;
    out.insert(out.end(), text, text + n);
    out.push_back(0);
}
constexpr uint16_t kPopup = 0x0010;
}  // namespace

std::vector<uint8_t> SResourceBuilder::Menu(const SMenuResourceItem* items, size_t count) {
    std::vector<uint8_t> out;
    Word(out, 0);
    Word(out, 0);
    for (size_t i = 0; i < count; ++i) {
        Word(out, items[i].flags);
        if (!(items[i].flags & kPopup)) Word(out, items[i].id);
        Text(out, items[i].text);
    }
    return out;
}

std::vector<uint8_t> SResourceBuilder::Accelerators(const SAccelResourceItem* items, size_t count) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < count; ++i) {
        Word(out, static_cast<uint16_t>(items[i].flags | (i + 1 == count ? 0x80 : 0)));
        Word(out, items[i].key);
        Word(out, items[i].command);
        Word(out, 0);
    }
    return out;
}

std::vector<uint8_t> SResourceBuilder::Toolbar(const uint16_t* ids, size_t count) {
    std::vector<uint8_t> out;
    Word(out, 1);
    Word(out, 16);
    Word(out, 15);
    Word(out, static_cast<uint16_t>(count));
    for (size_t i = 0; i < count; ++i) Word(out, ids[i]);
    return out;
}

std::vector<uint8_t> SResourceBuilder::Dialog(const SDlgResource& dialog) {
    std::vector<uint8_t> out;
    Dword(out, dialog.style);
    for (int16_t v : {dialog.x, dialog.y, dialog.cx, dialog.cy}) Word(out, static_cast<uint16_t>(v));
    Text(out, dialog.caption);
    Word(out, static_cast<uint16_t>(dialog.controlCount));
    for (size_t i = 0; i < dialog.controlCount; ++i) {
        const SDlgResourceControl& control = dialog.controls[i];
        Dword(out, control.style);
        for (int16_t v : {control.x, control.y, control.cx, control.cy}) Word(out, static_cast<uint16_t>(v));
        Word(out, control.id);
        Text(out, control.className);
        Text(out, control.text);
    }
    return out;
}
