#include "platform/base/SOutputFileSet.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/base/SFile.h"
#include "platform/base/SOutputFile.h"

namespace {
// The sets open on this thread, the latest first (each keeps the one before it).
thread_local SOutputFileSet* tCurrent = nullptr;

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
    : m_folder(folder), m_name(name), m_staging(folder + "." + name + ".set/") {
    // What a set of the same name left when its run died goes first.
    RemoveStaging(m_staging);
    if (::mkdir(m_staging.c_str(), 0777) != 0) SFile::ThrowError(errno, "create the folder", m_staging);
    m_previous = tCurrent;
    tCurrent = this;
}

SOutputFileSet::~SOutputFileSet() {
    tCurrent = m_previous;
    RemoveStaging(m_staging);
}

bool SOutputFileSet::IsStaged(const SString& path) {
    const SString folder = SFile::GetFolder(path);
    for (const SOutputFileSet* set = tCurrent; set; set = set->m_previous)
        if (!set->m_committed && folder == set->m_staging) return true;
    return false;
}

std::vector<SString> SOutputFileSet::StagedNames() const {
    std::vector<SString> names;
    DIR* dir = ::opendir(m_staging.c_str());
    if (!dir) SFile::ThrowError(errno, "read the folder", m_staging);
    while (const dirent* entry = ::readdir(dir)) {
        // Hidden names are the files of saves that did not finish, never files of the set.
        if (entry->d_name[0] != '.') names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
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
    RemoveStaging(m_staging);
    SyncFolders(m_folder, names, targets);
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

void SOutputFileSet::RemoveStaging(const SString& staging) {
    DIR* dir = ::opendir(staging.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const SString name(entry->d_name);
        if (name != "." && name != "..") ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
    ::rmdir(staging.c_str());
}
