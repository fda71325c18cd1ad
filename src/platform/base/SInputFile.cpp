#include "platform/base/SInputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/base/SFile.h"

SInputFile::SInputFile(const SString& path) : m_path(path) {
    if (path.IsEmpty()) SFile::ThrowError(ENOENT, "open", path);
    // A pipe or a device is refused before it is opened: opening one may wait for a writer, or
    // act on the device.
    struct stat named;
    if (::stat(path.c_str(), &named) != 0) SFile::ThrowError(errno, "open", path);
    if (!S_ISREG(named.st_mode)) SFile::ThrowError(S_ISDIR(named.st_mode) ? EISDIR : EINVAL, "open", path);
    // What the name stands for may change before the open: without O_NONBLOCK, opening a pipe
    // would wait for a writer before the check below can refuse it.
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0) SFile::ThrowError(errno, "open", path);
    struct stat info;
    int error = ::fstat(m_fd, &info) != 0 ? errno : (S_ISDIR(info.st_mode) ? EISDIR : (S_ISREG(info.st_mode) ? 0 : EINVAL));
    // A plain file reads the same either way; the flag is dropped so that reads stay plain reads.
    if (!error) {
        int flags = ::fcntl(m_fd, F_GETFL);
        if (flags < 0 || ::fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK) != 0) error = errno;
    }
    if (error) {
        ::close(m_fd);
        m_fd = -1;
        SFile::ThrowError(error, "open", path);
    }
}

SInputFile::~SInputFile() {
    if (m_fd >= 0) ::close(m_fd);
}

void SInputFile::CheckOpen() const {
    if (m_fd < 0) SFile::ThrowError(EBADF, "read", m_path);
}

size_t SInputFile::Read(void* buffer, size_t count) {
    CheckOpen();
    char* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < count) {
        ssize_t got = ::read(m_fd, out + done, count - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            SFile::ThrowError(errno, "read", m_path);
        }
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    m_position += static_cast<int64_t>(done);
    return done;
}

bool SInputFile::IsEOF() {
    return m_position >= GetSize();
}

int64_t SInputFile::GetSize() const {
    CheckOpen();
    struct stat info;
    if (::fstat(m_fd, &info) != 0) SFile::ThrowError(errno, "examine", m_path);
    return static_cast<int64_t>(info.st_size);
}

void SInputFile::Seek(int64_t position) {
    CheckOpen();
    if (::lseek(m_fd, static_cast<off_t>(position), SEEK_SET) < 0) SFile::ThrowError(errno, "read", m_path);
    m_position = position;
}

void SInputFile::Close() {
    if (m_fd < 0) return;
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) SFile::ThrowError(errno, "close", m_path);
}
