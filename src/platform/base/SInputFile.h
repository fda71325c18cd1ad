#pragma once
// A file opened for reading, as a stream. Opening a file that does not exist throws
// SEIOException with the cause fileNotFound; a folder or anything but a plain file (a pipe, a
// device) is refused too, without being opened. Reads go straight to the file: put an
// SInputBufferStream over it for small reads.
#include "platform/base/SInputStream.h"

class SInputFile : public SInputStream {
public:
    explicit SInputFile(const SString& path);
    ~SInputFile() override;

    size_t Read(void* buffer, size_t count) override;
    bool IsEOF() override;
    int64_t GetPosition() const override { return m_position; }
    SString GetName() const override { return m_path; }
    void Close() override;

    int64_t GetSize() const;
    // Reads on from `position` (bytes from the start of the file).
    void Seek(int64_t position);
    bool IsOpen() const { return m_fd >= 0; }

private:
    void CheckOpen() const;

    SString m_path;
    int m_fd = -1;
    int64_t m_position = 0;
};
