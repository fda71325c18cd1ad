#pragma once
// A file being written, as a stream. The bytes go to a new temporary file in the target's
// folder; Close (or Commit) flushes it to disk and renames it over the target in one step, so
// the target is either its previous self or the complete new file, never a mixture. Destroyed
// without a successful Close (an exception on the way), it removes the temporary file and
// leaves the target as it was. A folder or a read-only file is refused as the target, as the
// system refuses to open them for writing. Every failure throws SEIOException with the target's path.
#include "platform/base/SOutputStream.h"

class SOutputFile : public SOutputStream {
public:
    // `create` is the class library's creation flag; the file is always written whole.
    explicit SOutputFile(const SString& path, int32_t create = 1);
    ~SOutputFile() override;

    void Write(const void* data, size_t count) override;
    void Flush() override;
    void Close() override { Commit(); }
    int64_t GetPosition() const override { return m_position; }
    SString GetName() const override { return m_path; }

    // Makes the written file the target. A second call does nothing.
    void Commit();
    // Drops what was written: removes the temporary file, the target stays as it was.
    void Abort();
    bool IsCommitted() const { return m_committed; }
    const SString& GetPath() const { return m_path; }
    const SString& GetTempPath() const { return m_tempPath; }

private:
    [[noreturn]] void Fail(int error, const char* action);
    void CheckWritable();

    SString m_path;        // the name the caller gave
    SString m_targetPath;  // the file actually replaced (a link's target)
    SString m_tempPath;
    int m_fd = -1;
    int64_t m_position = 0;
    bool m_committed = false;
};
