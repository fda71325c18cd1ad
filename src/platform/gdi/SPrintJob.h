#pragma once
// One print job of the virtual printer: a PDF document written page by page through the
// platform's file stream. The file is the one the job is given (printing to a file) or a new one
// named after the document in the printer's output folder (SPrinterCache::GetOutputFolder), so
// that nothing leaves the machine. The file only takes its name when the job is finished; a job
// dropped before (cancelled, or failed) leaves no file and the target as it was.
//
// Pages are the printer's paper; device pixels are its dots, with (0, 0) the top left corner of
// the printable area.
#include <cstdint>
#include <memory>

#include "platform/base/SString.h"
#include "platform/gdi/SDeviceCaps.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;
class SCairoStreamWriter;
class SOutputFile;

class SPrintJob {
public:
    // Opens the job's file. Throws SEIOException when it cannot be made.
    SPrintJob(const SString& documentName, const SString& output, const SDeviceCaps& caps);
    ~SPrintJob();
    SPrintJob(const SPrintJob&) = delete;
    SPrintJob& operator=(const SPrintJob&) = delete;

    const SString& GetPath() const { return m_path; }
    // Pages ended so far.
    int32_t GetPageCount() const { return m_pages; }

    // A context in device pixels on the page being drawn; the caller destroys it.
    cairo_t* NewPageContext() const;
    void EndPage();
    // Whether a write of the document failed: the job can no longer be completed.
    bool Failed() const;
    // Completes the document and gives the file its name. Throws SEIOException on a failure,
    // the target then left as it was.
    void Finish();

    // The path of a new file for `documentName` in `folder`: the name with what a file name may
    // not hold replaced, ".pdf", and a number when that file exists already.
    static SString MakeOutputPath(const SString& folder, const SString& documentName);

private:
    SString m_path;
    SDeviceCaps m_caps;
    std::unique_ptr<SOutputFile> m_file;
    std::unique_ptr<SCairoStreamWriter> m_writer;
    cairo_surface_t* m_surface = nullptr;
    int32_t m_pages = 0;
};
