#include "platform/base/SOutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/base/SFile.h"

namespace {
// The file that a save must replace: a symbolic link is followed, so that saving through it
// updates the file it points to instead of turning the link into a file.
SString ResolveTarget(const SString& path) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    SString target(resolved);
    std::free(resolved);
    return target;
}

void SyncFolder(const SString& folder) {
    int fd = ::open(folder.IsEmpty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // Makes the rename itself durable; some file systems cannot, and the rename has happened.
    ::fsync(fd);
    ::close(fd);
}
}  // namespace

SOutputFile::SOutputFile(const SString& path, int32_t) : m_path(path), m_targetPath(ResolveTarget(path)) {
    if (path.IsEmpty()) SFile::ThrowError(ENOENT, "create", path);
    if (SFile::IsDirectory(m_targetPath)) SFile::ThrowError(EISDIR, "create", path);
    // A read-only file is not to be written, even though its folder would allow replacing it.
    if (SFile::IsReadOnly(m_targetPath)) SFile::ThrowError(EACCES, "write", path);
    m_fd = SFile::OpenUnique(SFile::GetFolder(m_targetPath), "." + SFile::GetFileName(m_targetPath) + ".", m_tempPath);
    if (m_fd < 0) {
        int error = errno;
        // Reported under the name the caller knows, not the temporary one.
        m_tempPath.Empty();
        SFile::ThrowError(error, "create", m_path);
    }
}

SOutputFile::~SOutputFile() {
    if (!m_committed) Abort();
}

void SOutputFile::Fail(int error, const char* action) {
    Abort();
    SFile::ThrowError(error, action, m_path);
}

void SOutputFile::CheckWritable() {
    if (m_committed || m_fd < 0) SFile::ThrowError(EBADF, "write", m_path);
}

void SOutputFile::Write(const void* data, size_t count) {
    CheckWritable();
    const char* in = static_cast<const char*>(data);
    size_t done = 0;
    while (done < count) {
        ssize_t put = ::write(m_fd, in + done, count - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            // A half-written file must never become the target: the save is over.
            Fail(errno, "write");
        }
        done += static_cast<size_t>(put);
    }
    m_position += static_cast<int64_t>(count);
}

void SOutputFile::Flush() {
    CheckWritable();
}

void SOutputFile::Commit() {
    if (m_committed) return;
    CheckWritable();
    struct stat previous;
    if (::stat(m_targetPath.c_str(), &previous) == 0 && ::fchmod(m_fd, previous.st_mode & 07777) != 0)
        Fail(errno, "keep the permissions of");
    if (::fsync(m_fd) != 0) Fail(errno, "write");
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) Fail(errno, "write");
    if (::rename(m_tempPath.c_str(), m_targetPath.c_str()) != 0) Fail(errno, "replace");
    m_committed = true;
    SyncFolder(SFile::GetFolder(m_targetPath));
}

void SOutputFile::Abort() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_committed && !m_tempPath.IsEmpty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.Empty();
    }
}
