#include "platform/gdi/SCairoStreamWriter.h"

cairo_status_t SCairoStreamWriter::Write(void* closure, const unsigned char* data, unsigned int length) {
    auto* writer = static_cast<SCairoStreamWriter*>(closure);
    if (writer->m_error) return CAIRO_STATUS_WRITE_ERROR;
    try {
        writer->m_stream.Write(data, length);
        return CAIRO_STATUS_SUCCESS;
    } catch (...) {
        writer->m_error = std::current_exception();
        return CAIRO_STATUS_WRITE_ERROR;
    }
}

void SCairoStreamWriter::Rethrow() const {
    if (m_error) std::rethrow_exception(m_error);
}
