#pragma once
// The files of a set that belong together in one folder and lead to each other (the pages of an
// HTML page set). They are written, each whole (SOutputFile), into a staging folder beside them,
// hidden and named after the set, without a wait for the disk each; Commit makes them all durable
// in one pass, then puts them in the folder and syncs the folder once. The file of the set that
// bears the set's own name is its lead, the one a reader opens first (a contents page).
//
// Until the commit the folder holds its previous files untouched: a set that fails or is dropped
// before it (an exception, a killed process) leaves them as they were. Every target is examined
// (SOutputFile::ExamineTarget) before anything changes, so a target that would refuse its file
// fails the set with the folder as it was. The commit then goes in two rounds, so that at no
// moment does a file of the set stand in the folder beside a previous file of a name it takes,
// and a lead never stands there without the files it leads to:
// - first the previous files of the names the set takes leave the folder, the lead first;
// - then the set's files take their places, the lead last.
// A commit stopped part-way (a killed process, a removal or rename that fails) leaves in the
// folder either part of the previous files without their lead, or part of the set's files
// without its lead; the files that had not come yet stay in the staging folder until the set is
// dropped, or, when the process died, until the next set of the same name. Files of the folder
// whose names the set does not take (the further pages of a longer previous set) are left as
// they are, whatever they lead to.
//
// The staging folder holds, beside the files, the list of the names the set stages there, each
// noted before its file is begun. Whatever way the set ends while its process lives, the files it
// staged go, then the list, then the folder, when nothing else is in it: a file of anybody else's
// found there (a model kept in the folder) is neither committed nor removed, and keeps the folder.
// A run holds a lock on its staging folder from its opening to its end, and the lock dies with its
// process: a second set of the same name in the same folder, in this process or another, waits
// until the first has ended (a set already open on the same thread is refused instead, as it
// would wait for itself). What a dead run left (the files on its list, and what their saves
// left) is removed by the next set of the same name in the same folder, once it holds the lock:
// a list whose run still holds it is no dead run's. That set writes all its files anew and
// commits them as above, over whatever the stopped run left. A link or a file where the staging
// folder goes is refused: nothing is written through it. While a set is open on a thread, the files that thread
// writes into its staging folder leave their sync to the set.
//
// Failures throw SEIOException with the path concerned.
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/base/SString.h"

class SEIOException;

class SOutputFileSet {
public:
    // `folder` is where the files belong ("" for the current folder, else ending with "/");
    // `name` names the set and its lead file, when the set has one of that name.
    SOutputFileSet(const SString& folder, const SString& name);
    // Without a commit the staged files are dropped and the folder is left as it was.
    ~SOutputFileSet();
    SOutputFileSet(const SOutputFileSet&) = delete;
    SOutputFileSet& operator=(const SOutputFileSet&) = delete;

    // Where the files of the set are written until the commit, ending with "/".
    const SString& GetStagingFolder() const { return m_staging; }
    // Every staged file in one sync pass, then the files replaced leave and the staged ones take
    // their places, then the folder is synced. A second call does nothing.
    void Commit();
    bool IsCommitted() const { return m_committed; }
    // Rethrows the failure being handled said of the files where they go rather than where they
    // wait: a path in the staging folder becomes the same name in the set's folder. Call it only
    // inside a handler.
    [[noreturn]] void RethrowInFolder() const;

    // Whether `path` lies in the staging folder of a set that is open on this thread: a file
    // saved there leaves its sync to the set, and finds no dead save's files beside it, the set
    // having cleared what a dead run left.
    static bool IsStaged(const SString& path);
    // Notes the file at `path` as one of the set's when it lies in the staging folder of a set
    // open on this thread (else does nothing): called before anything of the file is written.
    static void NoteStaged(const SString& path);
    // The staging folder of the set `name` in `folder`, ending with "/".
    static SString StagingFolderOf(const SString& folder, const SString& name);

private:
    // Makes the staging folder, or takes over the one a dead run of the set left, clearing what
    // that run staged, once the run before holds it no longer; then begins the list of the names
    // staged.
    void OpenStaging();
    // Locks the staging folder opened as m_lock, waiting for a run that holds it; false when the
    // folder was removed or replaced meanwhile (the lock is closed then).
    bool TakeLock();
    void OpenList(bool existing);
    void CloseLock();
    // A staging folder that cannot be had, and why.
    [[noreturn]] void ThrowStagingError(int error) const;
    // Removes the files that the dead run's list names, and what their saves left.
    void ClearDeadRun() const;
    // The set open on this thread whose staging folder holds `path`, or null.
    static SOutputFileSet* OpenSetOf(const SString& path);
    void Note(const SString& name);
    // The files staged, by name, the lead last.
    std::vector<SString> StagedNames() const;
    void SyncStaged();
    // Runs the test's hook after a step of the commit.
    static void Stepped();
    // Removes the files the set staged, its list, and the staging folder when nothing else is in
    // it; quiet about failures. A second call does nothing.
    void RemoveStaging();

    SString m_folder;
    SString m_name;
    SString m_staging;
    // The names staged, in the order noted, and the list on disk (-1 once closed).
    std::vector<SString> m_noted;
    std::unordered_set<std::string> m_notedNames;
    int m_list = -1;
    // The staging folder, held locked for the run (-1 once released).
    int m_lock = -1;
    bool m_removed = false;
    SOutputFileSet* m_previous = nullptr;
    bool m_committed = false;

    // Tests stop a commit after any of its steps (a file leaving the folder or taking its place):
    // called after each one, from a child process that the test kills there.
    friend class SOutputFileSetTestAccess;
    static void (*sAfterStep)();
};
