#include "platform/base/SFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <random>
#include <string>

#include "platform/base/SUtf8.h"

namespace {
bool StatPath(const SString& path, struct stat& info) {
    return !path.IsEmpty() && ::stat(path.c_str(), &info) == 0;
}

constexpr size_t kTailLength = 8;
constexpr char kTailLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";

SString WithSlash(const SString& folder) {
    return folder.IsEmpty() || folder[folder.GetLength() - 1] == '/' ? folder : folder + "/";
}

// Random letters for unique names; collisions are resolved by exclusive creation.
std::string RandomTail() {
    static std::mt19937_64 generator{std::random_device{}()};
    std::string tail;
    for (size_t i = 0; i < kTailLength; ++i) tail += kTailLetters[generator() % (sizeof kTailLetters - 1)];
    return tail;
}

// As much of `prefix` as leaves room for the marker and the unique tail within the folder's limit
// on a name, cut between characters, then the marker: a temporary named after a target whose own
// name just fits must fit too.
SString FittingPrefix(const SString& folder, const SString& prefix, const SString& marker) {
    long limit = ::pathconf(folder.IsEmpty() ? "." : folder.c_str(), _PC_NAME_MAX);
    if (limit <= 0) limit = NAME_MAX;
    const size_t fixed = kTailLength + marker.view().size();
    size_t room = static_cast<size_t>(limit) > fixed ? static_cast<size_t>(limit) - fixed : 0;
    return SString(SUtf8::TruncateBytes(prefix.view(), room)) + marker;
}
}  // namespace

SEIOException::Cause SFile::CauseOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return SEIOException::fileNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return SEIOException::accessDenied;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return SEIOException::diskFull;
        default:
            return SEIOException::generic;
    }
}

void SFile::ThrowError(int error, const char* action, const SString& path) {
    SString message;
    message.Format("Cannot %s '%s': %s", action, path, std::strerror(error));
    throw SEIOException(message, CauseOf(error), path);
}

bool SFile::Exists(const SString& path) {
    struct stat info;
    return StatPath(path, info);
}

bool SFile::IsDirectory(const SString& path) {
    struct stat info;
    return StatPath(path, info) && S_ISDIR(info.st_mode);
}

bool SFile::IsSameFile(const SString& a, const SString& b) {
    struct stat first;
    struct stat second;
    return StatPath(a, first) && StatPath(b, second) && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool SFile::IsReadOnly(const SString& path) {
    struct stat info;
    return StatPath(path, info) && (info.st_mode & 0222) == 0;
}

int64_t SFile::GetSize(const SString& path) {
    struct stat info;
    if (path.IsEmpty()) ThrowError(ENOENT, "examine", path);
    if (::stat(path.c_str(), &info) != 0) ThrowError(errno, "examine", path);
    return static_cast<int64_t>(info.st_size);
}

void SFile::Remove(const SString& path) {
    if (::unlink(path.c_str()) != 0) ThrowError(errno, "remove", path);
}

void SFile::Rename(const SString& from, const SString& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) ThrowError(errno, "rename to", to);
}

void SFile::CreateDirectory(const SString& path) {
    if (::mkdir(path.c_str(), 0777) != 0) ThrowError(errno, "create the folder", path);
}

SString SFile::GetCurrentDirectory() {
    std::string buffer(256, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) ThrowError(errno, "read the current folder", ".");
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(std::strlen(buffer.c_str()));
    return SString(buffer);
}

int SFile::MakeUnique(const SString& folder, const SString& prefix, SString& path,
                      const std::function<int(const SString&)>& make, const SString& marker) {
    SString base = WithSlash(folder);
    SString head = UniqueHead(folder, prefix, marker);
    for (int attempt = 0;; ++attempt) {
        path = base + head + SString(RandomTail());
        int result = make(path);
        if (result >= 0 || errno != EEXIST || attempt >= 100) return result;
    }
}

int SFile::OpenUnique(const SString& folder, const SString& prefix, SString& path, uint32_t mode,
                      const SString& marker) {
    return MakeUnique(
        folder, prefix, path,
        [mode](const SString& candidate) {
            return ::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
        },
        marker);
}

SString SFile::UniqueHead(const SString& folder, const SString& prefix, const SString& marker) {
    return FittingPrefix(WithSlash(folder), prefix, marker);
}

bool SFile::HasUniqueTail(const SString& head, std::string_view name) {
    if (name.size() != static_cast<size_t>(head.GetLength()) + kTailLength || !name.starts_with(head.view()))
        return false;
    return std::all_of(name.end() - kTailLength, name.end(),
                       [](char c) { return c != '\0' && std::strchr(kTailLetters, c) != nullptr; });
}

SString SFile::GetTempName(const SString& folder, const SString& prefix) {
    SString path;
    int fd = OpenUnique(folder, prefix, path);
    if (fd < 0) ThrowError(errno, "create a file in", folder);
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(path.c_str());
        ThrowError(error, "create", path);
    }
    return path;
}

SString SFile::GetFolder(const SString& path) {
    int32_t slash = path.ReverseFind('/');
    return slash < 0 ? SString() : path.Left(slash + 1);
}

SString SFile::GetFileName(const SString& path) {
    return path.Mid(path.ReverseFind('/') + 1);
}

SString SFile::GetBaseName(const SString& path) {
    SString name = GetFileName(path);
    int32_t dot = name.ReverseFind('.');
    // A leading dot names a hidden file; it does not begin an extension.
    return dot > 0 ? name.Left(dot) : name;
}

SString SFile::GetExtension(const SString& path) {
    SString name = GetFileName(path);
    int32_t dot = name.ReverseFind('.');
    return dot > 0 ? name.Mid(dot + 1) : SString();
}

SString SFile::MakeFilename(const SString& folder, const SString& baseName, const SString& extension) {
    SString path = WithSlash(folder) + baseName;
    if (!extension.IsEmpty()) path += "." + extension;
    return path;
}

SString SFile::PathToURL(const SString& path) {
    SString absolute = path;
    if (absolute.IsEmpty() || absolute[0] != '/') absolute = GetCurrentDirectory() + "/" + path;
    static const char hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (char c : absolute.str()) {
        unsigned char u = static_cast<unsigned char>(c);
        bool plain = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                     std::strchr("/-._~", u) != nullptr;
        if (plain && u != 0) {
            url += c;
        } else {
            url += '%';
            url += hex[u >> 4];
            url += hex[u & 15];
        }
    }
    return SString(url);
}
