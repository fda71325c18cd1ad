#include "platform/base/SOutputFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>

#include "platform/base/SFile.h"
#include "platform/base/SOutputFileSet.h"

bool SOutputFile::sUnnamedFiles = true;
int SOutputFile::sFolderSyncError = 0;
bool SOutputFile::sSyncing = true;
int64_t SOutputFile::sDiskWaits = 0;

namespace {
// As many links as the system itself follows before it gives up on a loop.
constexpr int kMaxLinks = 40;
// New named files that other saves' clean-up may take before this one gives up.
constexpr int kMaxAttempts = 100;

const char* FolderName(const SString& folder) {
    return folder.IsEmpty() ? "." : folder.c_str();
}

// The file that a save must replace: symbolic links are followed, so that saving through one
// updates the file it names instead of turning the link into a file, and creates that file
// when the link names nothing yet.
SString ResolveTarget(const SString& path) {
    SString target = path;
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat info;
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
        std::string link(PATH_MAX, '\0');
        ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) SFile::ThrowError(errno, "follow the link", path);
        if (static_cast<size_t>(length) >= link.size()) SFile::ThrowError(ENAMETOOLONG, "follow the link", path);
        link.resize(static_cast<size_t>(length));
        target = !link.empty() && link[0] == '/' ? SString(link) : SFile::GetFolder(target) + SString(link);
    }
    SFile::ThrowError(ELOOP, "follow the link", path);
}

// The new file's names beside the target: hidden, named after it, then the marker and a unique
// tail. The marker tells the library's own files from a user's hidden ones named after the
// target (".t.rtp.backup01"), which are never taken for a dead save's.
constexpr const char* kTemporaryMarker = "varod9-tmp-";

SString TemporaryPrefix(const SString& target) {
    return "." + SFile::GetFileName(target) + ".";
}

// Marks a new named file as in use, so that the clean-up of another save of the target leaves it
// be; false when such a clean-up took the file between its creation and the lock (it is gone, or
// about to go). A file system without locks keeps the file unmarked.
bool LockNew(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return errno != EWOULDBLOCK;
    struct stat info;
    return ::fstat(fd, &info) != 0 || info.st_nlink > 0;
}

// Writes all of `count` bytes at `offset`, or at the file's position for a negative offset;
// answers 0 or the errno value of the failure.
int PutAll(int fd, const char* data, size_t count, int64_t offset) {
    for (size_t done = 0; done < count;) {
        ssize_t put = offset < 0 ? ::write(fd, data + done, count - done)
                                 : ::pwrite(fd, data + done, count - done, static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return errno;
        done += static_cast<size_t>(put);
    }
    return 0;
}
}  // namespace

// Removes the files that saves of `target` which died part-way left beside it: only names that
// such a save makes (the hidden prefix, the marker and a unique tail), only regular files of this
// user. A save that is alive holds a lock on its file, so a file that can be locked has nobody
// left to finish it.
void SOutputFile::RemoveStaleFiles(const SString& target) {
    SString folder = SFile::GetFolder(target);
    SString head = SFile::UniqueHead(folder, TemporaryPrefix(target), kTemporaryMarker);
    DIR* dir = ::opendir(FolderName(folder));
    // A folder that cannot be listed is reported by the creation that follows, if at all.
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!SFile::HasUniqueTail(head, entry->d_name)) continue;
        int fd = ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat info;
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

SOutputFile::SOutputFile(const SString& path, int32_t) : m_path(path) {
    if (path.IsEmpty()) SFile::ThrowError(ENOENT, "create", path);
    SetBufferSize(kDefaultBufferSize);
    const STarget target = ExamineTarget(path);
    m_targetPath = target.path;
    m_replacing = target.existing;
    m_mode = target.mode;
    SOutputFileSet::NoteStaged(m_targetPath);
    OpenTemporary();
}

SOutputFile::~SOutputFile() {
    if (!m_committed) Abort();
}

SOutputFile::STarget SOutputFile::ExamineTarget(const SString& path) {
    STarget target;
    target.path = ResolveTarget(path);
    struct stat info;
    if (::stat(target.path.c_str(), &info) != 0) {
        if (errno != ENOENT) SFile::ThrowError(errno, "create", path);
        return target;
    }
    if (S_ISDIR(info.st_mode)) SFile::ThrowError(EISDIR, "create", path);
    // A pipe, a device or a socket replaced by a file would break whatever uses it.
    if (!S_ISREG(info.st_mode)) {
        SString message;
        message.Format("Cannot write '%s': it is not a regular file", path);
        throw SEIOException(message, SEIOException::accessDenied, path);
    }
    // A read-only file is not to be written, even though its folder would allow replacing it.
    if ((info.st_mode & 0222) == 0) SFile::ThrowError(EACCES, "write", path);
    target.existing = true;
    target.mode = info.st_mode & 07777;
    return target;
}

int SOutputFile::SyncFile(int fd) {
    if (!sSyncing) return 0;
    ++sDiskWaits;
    return ::fsync(fd) != 0 ? errno : 0;
}

int SOutputFile::SyncFileSystem(int fd) {
    if (!sSyncing) return 0;
    ++sDiskWaits;
    return ::syncfs(fd) != 0 ? errno : 0;
}

void SOutputFile::OpenTemporary() {
    SString folder = SFile::GetFolder(m_targetPath);
    // A save killed between naming its file and the rename left a named file whatever kind it
    // began with. A set's staging folder holds none: the set cleared what a dead run left.
    if (!SOutputFileSet::IsStaged(m_targetPath)) RemoveStaleFiles(m_targetPath);
    if (OpenUnnamed(folder)) {
        // Marked as in use before it has a name, so that no clean-up ever takes it.
        ::flock(m_fd, LOCK_EX | LOCK_NB);
    } else {
        OpenNamed(folder);
    }
    // The umask may have taken away bits that the target has; none is ever added to them.
    if (m_replacing && ::fchmod(m_fd, static_cast<mode_t>(m_mode)) != 0) Fail(errno, "keep the permissions of");
}

void SOutputFile::OpenNamed(const SString& folder) {
    int error = EAGAIN;
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        m_fd = SFile::OpenUnique(folder, TemporaryPrefix(m_targetPath), m_tempPath, m_mode, kTemporaryMarker);
        if (m_fd < 0) {
            error = errno;
            break;
        }
        if (LockNew(m_fd)) return;
        // Another save's clean-up has it: this save takes a new name.
        ::close(m_fd);
        m_fd = -1;
    }
    // Reported under the name the caller knows, not the temporary one.
    m_tempPath.Empty();
    SFile::ThrowError(error, "create", m_path);
}

bool SOutputFile::OpenUnnamed(const SString& folder) {
    // The file is given its name at the commit through its entry in /proc.
    if (!sUnnamedFiles || ::access("/proc/self/fd", X_OK) != 0) return false;
    m_fd = ::open(FolderName(folder), O_TMPFILE | O_RDWR | O_CLOEXEC, static_cast<mode_t>(m_mode));
    if (m_fd >= 0) return true;
    // A file system without unnamed files answers one of these.
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return false;
    SFile::ThrowError(errno, "create", m_path);
}

void SOutputFile::Fail(int error, const char* action) {
    Abort();
    SFile::ThrowError(error, action, m_path);
}

void SOutputFile::CheckOpen() const {
    if (m_fd < 0) SFile::ThrowError(EBADF, "write", m_path);
}

void SOutputFile::WriteImpl(const void* data, size_t count) {
    CheckOpen();
    m_complete = false;
    // A half-written file must never become the target: the save is over.
    if (int error = PutAll(m_fd, static_cast<const char*>(data), count, -1)) Fail(error, "write");
}

void SOutputFile::PatchImpl(int64_t offset, const void* data, size_t count) {
    CheckOpen();
    m_complete = false;
    if (int error = PutAll(m_fd, static_cast<const char*>(data), count, offset)) Fail(error, "write");
}

void SOutputFile::ReadImpl(int64_t offset, void* buffer, size_t count) {
    CheckOpen();
    char* out = static_cast<char*>(buffer);
    for (size_t done = 0; done < count;) {
        ssize_t got = ::pread(m_fd, out + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) SFile::ThrowError(errno, "read back", m_path);
        // Shorter than what was written: the file has been cut behind the stream's back.
        if (got == 0) SFile::ThrowError(EIO, "read back", m_path);
        done += static_cast<size_t>(got);
    }
}

void SOutputFile::Flush() {
    CheckOpen();
    FlushBuffer();
}

void SOutputFile::Complete() {
    CheckOpen();
    FlushBuffer();
    if (m_complete) return;
    // Writing takes the set-user and set-group bits away; the new file gets them back.
    if (m_replacing && ::fchmod(m_fd, static_cast<mode_t>(m_mode)) != 0) Fail(errno, "keep the permissions of");
    // A file of a set is made durable with the whole set, in one pass at its end.
    if (!SOutputFileSet::IsStaged(m_targetPath)) {
        if (int error = SyncFile(m_fd)) Fail(error, "write");
    } else if (sSyncing) {
        // The disk starts on it now; the set's pass then finds it written.
        ::sync_file_range(m_fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    }
    // A file that replaces another takes its name beside the target now, so that all the commit
    // has left to do is the rename.
    if (m_replacing && m_tempPath.IsEmpty()) NameBesideTarget();
    m_complete = true;
}

void SOutputFile::Commit() {
    if (m_committed) return;
    Complete();
    const bool deferred = SOutputFileSet::IsStaged(m_targetPath);
    PutInPlace();
    m_committed = true;
    MarkClosed();
    int fd = m_fd;
    m_fd = -1;
    // Closed only now: until the rename, the lock kept a named file safe from other saves' clean-up.
    if (::close(fd) != 0) SFile::ThrowError(errno, "write", m_path);
    // Makes the rename itself durable.
    if (!deferred) SyncFolder(SFile::GetFolder(m_targetPath), m_path);
}

int SOutputFile::LinkUnnamed(const SString& name) const {
    const SString self = "/proc/self/fd/" + SString::FromInt(m_fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
}

void SOutputFile::NameBesideTarget() {
    auto link = [this](const SString& name) { return LinkUnnamed(name); };
    if (SFile::MakeUnique(SFile::GetFolder(m_targetPath), TemporaryPrefix(m_targetPath), m_tempPath, link,
                          kTemporaryMarker) != 0) {
        int error = errno;
        m_tempPath.Empty();
        Fail(error, "create");
    }
}

void SOutputFile::PutInPlace() {
    if (m_tempPath.IsEmpty()) {
        // A new target takes the file's name directly: there is nothing to replace.
        if (!m_replacing) {
            if (LinkUnnamed(m_targetPath) == 0) return;
            if (errno != EEXIST) Fail(errno, "create");
        }
        NameBesideTarget();
    }
    if (::rename(m_tempPath.c_str(), m_targetPath.c_str()) != 0) Fail(errno, "replace");
}

void SOutputFile::SyncFolder(const SString& folder, const SString& named) {
    int fd = ::open(FolderName(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int error = fd < 0 ? errno : SyncFile(fd);
    if (error == 0) error = sFolderSyncError;
    if (fd >= 0) ::close(fd);
    // A file system that cannot sync a folder at all says so; there the rename is all there is.
    if (error == EINVAL || error == EOPNOTSUPP) return;
    if (error != 0) SFile::ThrowError(error, "sync the folder of", named);
}

void SOutputFile::Abort() {
    MarkClosed();
    if (!m_committed && !m_tempPath.IsEmpty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.Empty();
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}
