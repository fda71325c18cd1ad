#include "platform/base/SOutputFileSet.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/base/SEIOAbortedException.h"
#include "platform/base/SEIOException.h"
#include "platform/base/SException.h"
#include "platform/base/SFile.h"
#include "platform/base/SInputFile.h"
#include "platform/base/SOutputFile.h"

namespace {
// The sets open on this thread, the latest first (each keeps the one before it).
thread_local SOutputFileSet* tCurrent = nullptr;

// The list of the names a run stages, in its staging folder: hidden, and named so that no file
// of a set takes its place. The names are ended by NUL, which no name holds.
constexpr const char* kListName = ".varod9-staged";
// More than any run's list: a longer one is nobody's, and nothing is removed on its word.
constexpr size_t kMaxListBytes = 64u << 20;
// Staging folders that the runs before this one may remove while it waits for them, before it
// gives up.
constexpr int kMaxAttempts = 100;

// The names of a dead run's list that name files of the staging folder itself: no other folder's
// file is ever removed on the list's word.
std::vector<SString> ListedNames(const std::string& list) {
    std::vector<SString> names;
    for (size_t begin = 0, end; (end = list.find('\0', begin)) != std::string::npos; begin = end + 1) {
        const std::string name = list.substr(begin, end - begin);
        if (!name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
            name != kListName)
            names.emplace_back(name);
    }
    return names;
}

// The staged file takes the permissions of the file that it replaces, as a single save's does.
void KeepPermissions(const SString& staged, const SOutputFile::STarget& target, const SString& named) {
    if (target.existing && ::chmod(staged.c_str(), static_cast<mode_t>(target.mode)) != 0)
        SFile::ThrowError(errno, "keep the permissions of", named);
}

// Makes the commit's changes durable: each folder that took files once, a failure named after
// the first file that the folder took.
void SyncFolders(const SString& folder, const std::vector<SString>& names,
                 const std::vector<SOutputFile::STarget>& targets) {
    std::vector<std::pair<SString, SString>> folders;
    for (size_t i = 0; i < names.size(); ++i) {
        const SString taking = SFile::GetFolder(targets[i].path);
        const auto known = [&](const auto& entry) { return entry.first == taking; };
        if (std::none_of(folders.begin(), folders.end(), known)) folders.emplace_back(taking, folder + names[i]);
    }
    for (const auto& [taking, named] : folders) SOutputFile::SyncFolder(taking, named);
}
}  // namespace

void (*SOutputFileSet::sAfterStep)() = nullptr;

SOutputFileSet::SOutputFileSet(const SString& folder, const SString& name)
    : m_folder(folder), m_name(name), m_staging(StagingFolderOf(folder, name)) {
    OpenStaging();
    m_previous = tCurrent;
    tCurrent = this;
}

SOutputFileSet::~SOutputFileSet() {
    tCurrent = m_previous;
    RemoveStaging();
}

SString SOutputFileSet::StagingFolderOf(const SString& folder, const SString& name) {
    return folder + "." + name + ".set/";
}

void SOutputFileSet::OpenStaging() {
    const SString folder = m_staging.Left(m_staging.GetLength() - 1);
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        struct stat info;
        const bool existing = ::lstat(folder.c_str(), &info) == 0;
        if (!existing && errno != ENOENT) ThrowStagingError(errno);
        // A link or a file of that name is nobody's staging folder: nothing is written through it.
        if (existing && !S_ISDIR(info.st_mode)) ThrowStagingError(EEXIST);
        if (!existing && ::mkdir(folder.c_str(), 0777) != 0) {
            // Another run of the set made it meanwhile: it is taken as found.
            if (errno == EEXIST) continue;
            ThrowStagingError(errno);
        }
        m_lock = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (m_lock < 0) {
            // Removed by the run that had it, or replaced by something else, meanwhile.
            if (errno == ENOENT) continue;
            ThrowStagingError(errno == ELOOP || errno == ENOTDIR ? EEXIST : errno);
        }
        if (!TakeLock()) continue;
        if (existing) ClearDeadRun();
        OpenList(existing);
        return;
    }
    ThrowStagingError(EAGAIN);
}

bool SOutputFileSet::TakeLock() {
    // The lock is held for the whole run and dies with its process: a second run of the set
    // waits for the first instead of taking its files for a dead run's. A file system without
    // locks leaves the runs unguarded, as before.
    if (::flock(m_lock, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        // A set of this name already open on this thread would never end while this one waits.
        for (SOutputFileSet* set = tCurrent; set; set = set->m_previous)
            if (set->m_staging == m_staging) {
                CloseLock();
                ThrowStagingError(EBUSY);
            }
        while (::flock(m_lock, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    // The run waited for may have removed the folder at its end: this run makes its own.
    struct stat held;
    struct stat named;
    if (::fstat(m_lock, &held) == 0 && held.st_nlink > 0 && ::lstat(m_staging.c_str(), &named) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino)
        return true;
    CloseLock();
    return false;
}

void SOutputFileSet::OpenList(bool existing) {
    const SString list = m_staging + kListName;
    m_list = ::open(list.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (m_list >= 0) return;
    const int error = errno;
    if (!existing) ::rmdir(m_staging.c_str());
    CloseLock();
    SFile::ThrowError(error, "create", list);
}

void SOutputFileSet::CloseLock() {
    if (m_lock >= 0) ::close(m_lock);
    m_lock = -1;
}

void SOutputFileSet::ThrowStagingError(int error) const {
    SString reason;
    if (error == EEXIST)
        reason = "a link or a file of that name is there";
    else if (error == EBUSY)
        reason = "the set is being written already";
    else
        reason = std::strerror(error);
    SString message;
    message.Format("Cannot create the folder '%s' where the files of the set wait for their places: %s", m_staging,
                   reason);
    throw SEIOException(message, SFile::CauseOf(error), m_staging);
}

void SOutputFileSet::ClearDeadRun() const {
    std::string names;
    try {
        SInputFile list(m_staging + kListName);
        names = list.ReadAll(kMaxListBytes);
    } catch (const SException&) {
        // No list (or none that can be read): nothing there is known to be the set's.
        return;
    }
    for (const SString& name : ListedNames(names)) {
        ::unlink((m_staging + name).c_str());
        SOutputFile::RemoveStaleFiles(m_staging + name);
    }
}

bool SOutputFileSet::IsStaged(const SString& path) {
    return OpenSetOf(path) != nullptr;
}

void SOutputFileSet::NoteStaged(const SString& path) {
    if (SOutputFileSet* set = OpenSetOf(path)) set->Note(SFile::GetFileName(path));
}

SOutputFileSet* SOutputFileSet::OpenSetOf(const SString& path) {
    const SString folder = SFile::GetFolder(path);
    for (SOutputFileSet* set = tCurrent; set; set = set->m_previous)
        if (!set->m_committed && folder == set->m_staging) return set;
    return nullptr;
}

void SOutputFileSet::Note(const SString& name) {
    if (m_notedNames.count(name.str()) != 0) return;
    // On the list before the file is begun: a run that dies leaves no file of its own unlisted.
    const std::string entry = name.str() + '\0';
    const ssize_t put = m_list < 0 ? -1 : ::write(m_list, entry.data(), entry.size());
    if (put != static_cast<ssize_t>(entry.size()))
        SFile::ThrowError(m_list < 0 ? EBADF : put < 0 ? errno : ENOSPC, "create", m_staging + name);
    m_noted.push_back(name);
    m_notedNames.insert(name.str());
}

std::vector<SString> SOutputFileSet::StagedNames() const {
    std::vector<SString> names;
    for (const SString& name : m_noted) {
        // A file whose save was dropped never came.
        struct stat info;
        if (::lstat((m_staging + name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    const auto lead = std::find(names.begin(), names.end(), m_name);
    if (lead != names.end()) std::rotate(lead, lead + 1, names.end());
    return names;
}

void SOutputFileSet::Commit() {
    if (m_committed) return;
    const std::vector<SString> names = StagedNames();
    std::vector<SOutputFile::STarget> targets;
    targets.reserve(names.size());
    for (const SString& name : names) targets.push_back(SOutputFile::ExamineTarget(m_folder + name));
    for (size_t i = 0; i < names.size(); ++i) KeepPermissions(m_staging + names[i], targets[i], m_folder + names[i]);
    SyncStaged();
    // Every file replaced leaves before a new one comes, and the new lead comes last: no file of
    // one run stands beside a file of the other that it leads to, and a reader who finds a lead
    // finds every file it leads to. The previous lead goes first, so that it never stands alone
    // with its files half gone.
    for (size_t i = names.size(); i-- > 0;) {
        if (!targets[i].existing) continue;
        if (::unlink(targets[i].path.c_str()) != 0 && errno != ENOENT)
            SFile::ThrowError(errno, "replace", m_folder + names[i]);
        Stepped();
    }
    for (size_t i = 0; i < names.size(); ++i) {
        if (::rename((m_staging + names[i]).c_str(), targets[i].path.c_str()) != 0)
            SFile::ThrowError(errno, "replace", m_folder + names[i]);
        Stepped();
    }
    m_committed = true;
    RemoveStaging();
    SyncFolders(m_folder, names, targets);
}

void SOutputFileSet::RethrowInFolder() const {
    try {
        throw;
    } catch (const SEIOAbortedException&) {
        throw;
    } catch (const SEIOException& failure) {
        SString text = failure.GetMessage();
        text.Replace(m_staging.c_str(), m_folder.c_str());
        SString file = failure.GetFileName();
        file.Replace(m_staging.c_str(), m_folder.c_str());
        throw SEIOException(text, failure.GetCause(), file);
    }
}

void SOutputFileSet::Stepped() {
    if (sAfterStep) sAfterStep();
}

void SOutputFileSet::SyncStaged() {
    // One pass over the file system holds every file of the set, however many there are: a wait
    // a file would commit the file system's journal once a file.
    const int fd = ::open(m_staging.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int error = fd < 0 ? errno : SOutputFile::SyncFileSystem(fd);
    if (fd >= 0) ::close(fd);
    if (error != 0) SFile::ThrowError(error, "sync the files written in", m_staging);
}

void SOutputFileSet::RemoveStaging() {
    if (m_removed) return;
    m_removed = true;
    if (m_list >= 0) ::close(m_list);
    m_list = -1;
    // The files before their list: a removal stopped part-way leaves none unlisted. A committed
    // set has none left: each took its place, and one whose save was dropped never came.
    if (!m_committed)
        for (const SString& name : m_noted) ::unlink((m_staging + name).c_str());
    ::unlink((m_staging + kListName).c_str());
    // Kept while anything else is in it.
    ::rmdir(m_staging.c_str());
    // Released last: the next run finds the folder as this one leaves it.
    CloseLock();
}
