#include "platform/base/SPatchableOutputStream.h"

#include <algorithm>

#include "platform/base/SEIOException.h"

void SPatchableOutputStream::CheckRange(int64_t offset, size_t count, const char* action) {
    if (IsClosed()) throw SEIOException("Write to a closed stream", SEIOException::generic, GetName());
    int64_t end = GetPosition();
    if (offset < 0 || offset > end || count > static_cast<uint64_t>(end - offset)) {
        SString message;
        message.Format("Cannot %s %u bytes at offset %d of the %d written", action, count, offset, end);
        throw SEIOException(message, SEIOException::generic, GetName());
    }
}

void SPatchableOutputStream::PatchAt(int64_t offset, const void* data, size_t count) {
    CheckRange(offset, count, "patch");
    if (count == 0) return;
    FlushBuffer();
    PatchImpl(offset, data, count);
}

size_t SPatchableOutputStream::ReadAt(int64_t offset, void* buffer, size_t count) {
    CheckRange(offset, 0, "read");
    count = static_cast<size_t>(std::min<uint64_t>(count, static_cast<uint64_t>(GetPosition() - offset)));
    if (count == 0) return 0;
    FlushBuffer();
    ReadImpl(offset, buffer, count);
    return count;
}
