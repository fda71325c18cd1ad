#pragma once
// A file named by its path, and the file-system helpers of the class library. Paths use "/".
// Questions (Exists, IsDirectory ...) answer false when the path cannot be examined; actions
// (Remove, Rename, GetTempName ...) throw SEIOException with the cause and the path.
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/base/SEIOException.h"
#include "platform/base/SString.h"

class SFile {
public:
    SFile() = default;
    explicit SFile(SString path) : m_path(std::move(path)) {}

    const SString& GetPath() const { return m_path; }
    void SetPath(SString path) { m_path = std::move(path); }
    bool Exists() const { return Exists(m_path); }
    bool IsDirectory() const { return IsDirectory(m_path); }
    bool IsReadOnly() const { return IsReadOnly(m_path); }
    int64_t GetSize() const { return GetSize(m_path); }
    // Releases the file object. Nothing is held open by it, so only the path is forgotten.
    void Done() { m_path.Empty(); }

    static bool Exists(const SString& path);
    static bool IsDirectory(const SString& path);
    // Whether both paths name one existing file or folder, however they are spelled and through
    // whatever links.
    static bool IsSameFile(const SString& a, const SString& b);
    // True for an existing file that nobody may write (no write permission bit at all).
    static bool IsReadOnly(const SString& path);
    static int64_t GetSize(const SString& path);
    static void Remove(const SString& path);
    // Moves `from` to `to` in one step, replacing a file that is there.
    static void Rename(const SString& from, const SString& to);
    static void CreateDirectory(const SString& path);
    static SString GetCurrentDirectory();
    // There are no drives here: always empty, so that drive + directory is the directory.
    static SString GetCurrentDrive() { return SString(); }
    // Creates a new empty file with a unique name in `folder` and answers its path.
    static SString GetTempName(const SString& folder, const SString& prefix = "tmp");

    // Parts of a path: the folder with its final "/" (empty for a bare name), the name with its
    // extension, the name without it, and the extension without its ".".
    static SString GetFolder(const SString& path);
    static SString GetFileName(const SString& path);
    static SString GetBaseName(const SString& path);
    static SString GetExtension(const SString& path);
    // folder + base name + "." + extension (no "." for an empty extension).
    static SString MakeFilename(const SString& folder, const SString& baseName, const SString& extension);
    // "file://" and the absolute path, with the bytes that a URL may not hold percent-encoded.
    static SString PathToURL(const SString& path);

    // Creates a new file named `folder` + `prefix` + `marker` + a unique tail, open for reading
    // and writing with `mode` under the process's umask; answers its descriptor and sets `path`,
    // or -1 with errno set. A prefix too long for the folder's limit on a name is cut to fit,
    // never inside a character; the marker is never cut, so that the names stay recognisable.
    static int OpenUnique(const SString& folder, const SString& prefix, SString& path, uint32_t mode = 0666,
                          const SString& marker = SString());
    // The naming of OpenUnique for any way of making a name: calls `make` with candidate paths
    // until it answers something other than -1 with errno EEXIST (or gives up), and answers that.
    static int MakeUnique(const SString& folder, const SString& prefix, SString& path,
                          const std::function<int(const SString&)>& make, const SString& marker = SString());
    // The names that MakeUnique makes for `prefix` and `marker` in `folder` are this head and a
    // unique tail; HasUniqueTail says whether a name of the folder is one of them.
    static SString UniqueHead(const SString& folder, const SString& prefix, const SString& marker = SString());
    static bool HasUniqueTail(const SString& head, std::string_view name);
    // Throws SEIOException for the failure `error` (an errno value) of `action` on `path`.
    [[noreturn]] static void ThrowError(int error, const char* action, const SString& path);
    static SEIOException::Cause CauseOf(int error);

private:
    SString m_path;
};
