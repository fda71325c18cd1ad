#pragma once
// A file being written, as a stream, buffered (8192 bytes). The bytes go to a new file in the
// target's folder, unnamed where the file system allows it; Close (or Commit) flushes it to disk
// and puts it in the target's place in one step, so the target is either its previous self or
// the complete new file, never a mixture. Until then what was written can be read back and
// patched in place (SPatchableOutputStream). Destroyed without a successful Close (an exception
// on the way), it drops the new file and leaves the target as it was. A save killed part-way
// leaves at most a hidden file beside the target, named "." + the target's name + "." + the
// library's marker "varod9-tmp-" and eight letters or digits (an unnamed file has that name only
// once it is complete, just before its rename); the next save of the same target removes such
// files, all but those that a save still running (in this or another process) holds: a save keeps
// its file locked until the rename is done. A user's own hidden files named after the target
// (".t.rtp.backup01") lack the marker and are left alone.
//
// The new file carries the target's permissions from its creation (a new target: the usual mode
// under the umask), so that no content is ever more readable than the file it will become.
// Saving through a symbolic link writes the file it names, creating it when it does not exist,
// and keeps the link. A folder, a read-only file and anything but a regular file (a pipe, a
// device, a socket) are refused as the target and left alone. Every failure throws
// SEIOException with the target's path.
//
// A file written into the staging folder of an open set of files (SOutputFileSet) does not wait
// for the disk at its commit: the set makes all its files durable in one pass.
#include "platform/base/SPatchableOutputStream.h"

class SOutputFile : public SPatchableOutputStream {
public:
    // `create` is the class library's creation flag; the file is always written whole.
    explicit SOutputFile(const SString& path, int32_t create = 1);
    ~SOutputFile() override;

    void Flush() override;
    void Close() override { Commit(); }
    SString GetName() const override { return m_path; }

    // Makes the written file whole without putting it in the target's place: written out, on
    // the disk and, when it replaces a file, named beside the target, so that Commit has only
    // the rename left. What must wait until the new file is complete (a backup of the previous
    // file) goes between the two. A failure drops the new file; writing more undoes it.
    void Complete();
    // Makes the written file the target (completing it first). A second call does nothing. A
    // failure before the file has taken the target's place leaves the target as it was; a
    // failure to make the change durable afterwards (the folder's sync) is reported too, with
    // IsCommitted true.
    void Commit();
    // Drops what was written: removes the new file, the target stays as it was.
    void Abort();
    bool IsCommitted() const { return m_committed; }
    const SString& GetPath() const { return m_path; }
    // The new file's name in the target's folder; empty while it has none (an unnamed file
    // gets one only for the moment of the commit).
    const SString& GetTempPath() const { return m_tempPath; }

    // The file that a save of `path` replaces (a symbolic link's target) and what the save
    // keeps of it: whether it exists and its permissions. Throws SEIOException, naming `path`,
    // for a target that is refused (a folder, a read-only file, anything but a regular file).
    struct STarget {
        SString path;
        bool existing = false;
        uint32_t mode = 0666;
    };
    static STarget ExamineTarget(const SString& path);

    // Waits for the disk until the file or the file system of `fd` holds what was written to it;
    // the errno value of a failure, 0 when done (or when syncing is off).
    static int SyncFile(int fd);
    static int SyncFileSystem(int fd);
    // Makes the renames in `folder` ("" the current one) durable; throws SEIOException naming
    // `named`. A file system that cannot sync a folder at all is left as it is.
    static void SyncFolder(const SString& folder, const SString& named);
    // Removes what saves of `target` that died part-way left beside it (above).
    static void RemoveStaleFiles(const SString& target);

protected:
    void WriteImpl(const void* data, size_t count) override;
    void PatchImpl(int64_t offset, const void* data, size_t count) override;
    void ReadImpl(int64_t offset, void* buffer, size_t count) override;

private:
    [[noreturn]] void Fail(int error, const char* action);
    void CheckOpen() const;
    void OpenTemporary();
    bool OpenUnnamed(const SString& folder);
    // A new file named after the target, hidden, locked as in use.
    void OpenNamed(const SString& folder);
    // Gives the unnamed file the name `name`: 0, or -1 with errno set.
    int LinkUnnamed(const SString& name) const;
    // Gives the unnamed file a hidden name of its own beside the target.
    void NameBesideTarget();
    void PutInPlace();

    SString m_path;        // the name the caller gave
    SString m_targetPath;  // the file actually replaced (a link's target)
    SString m_tempPath;
    int m_fd = -1;
    uint32_t m_mode = 0666;    // the permissions the new file carries
    bool m_replacing = false;  // the target existed when the save began
    bool m_complete = false;   // nothing written since the last Complete
    bool m_committed = false;

    // Tests switch these to reach what this machine's file system never does: saving without
    // unnamed files, and a folder whose sync fails (an errno value; 0 for none). Tests and
    // benchmarks turn syncing off to see what the waits cost, and count the waits.
    friend class SOutputFileTestAccess;
    static bool sUnnamedFiles;
    static int sFolderSyncError;
    static bool sSyncing;
    static int64_t sDiskWaits;
};
