#include "platform/ui/SToolbarResource.h"

#include "platform/ui/SResInstance.h"
#include "platform/ui/SResourceTypes.h"

bool SToolbarResource::Load(HINSTANCE instance, uint32_t id) {
    ids.clear();
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!SFindResource(instance, id, RT_TOOLBAR, &data, &size) || size < 8) return false;
    const size_t count = static_cast<size_t>(data[6] | (data[7] << 8));
    if (size < 8 + 2 * count) return false;
    for (size_t i = 0; i < count; ++i) ids.push_back(static_cast<uint16_t>(data[8 + 2 * i] | (data[9 + 2 * i] << 8)));
    return true;
}
