#pragma once
// Hands what cairo writes (a PNG picture, a PDF document) to one of the platform's output
// streams. Cairo can only hear that a write failed; the stream's exception is kept and thrown
// again by Rethrow once cairo has returned, so that the cause and the file name reach the caller.
#include <cairo.h>

#include <exception>

#include "platform/base/SOutputStream.h"

class SCairoStreamWriter {
public:
    explicit SCairoStreamWriter(SOutputStream& stream) : m_stream(stream) {}

    // cairo's write function; the closure is an SCairoStreamWriter.
    static cairo_status_t Write(void* closure, const unsigned char* data, unsigned int length);

    bool Failed() const { return m_error != nullptr; }
    // Throws what the stream threw, if it did.
    void Rethrow() const;

private:
    SOutputStream& m_stream;
    std::exception_ptr m_error;
};
