#pragma once
// The back end of the virtual printer's device contexts. It measures with the printer's
// capabilities at any time; it draws only inside a page of a print job, each job a PDF document
// (SPrintJob). The print job operations answer as a printer's do: StartDoc a job number above
// 0, the others a value above 0, and SP_ERROR when the job cannot go on or the call comes out of
// turn (a page started outside a job or inside another page, a job started inside a job).
#include <memory>

#include "platform/gdi/SCairoBackEnd.h"

class SPrintJob;

class SPdfBackEnd : public SCairoBackEnd {
public:
    explicit SPdfBackEnd(const SDeviceCaps& caps);
    ~SPdfBackEnd() override;
    SPdfBackEnd(const SPdfBackEnd&) = delete;
    SPdfBackEnd& operator=(const SPdfBackEnd&) = delete;

    const SDeviceCaps& GetCaps() const override { return m_caps; }

    int32_t StartDoc(const DOCINFOA& info) override;
    int32_t StartPage() override;
    // Ends the page; SP_ERROR when no page was started (the job goes on), or when the document
    // could not be written (the job cannot go on: it is to be aborted).
    int32_t EndPage() override;
    // Ends a page still open, then completes the document; SP_ERROR (the job dropped, the file
    // left as it was) when the document cannot be written.
    int32_t EndDoc() override;
    // Drops the job and its file.
    int32_t AbortDoc() override;

    // The file of the job running, or of the last one completed.
    const SString& GetOutputPath() const { return m_outputPath; }

protected:
    cairo_t* NewSurfaceContext() const override;
    bool StrokesPartsAsOnePath() const override { return true; }

private:
    SDeviceCaps m_caps;
    std::unique_ptr<SPrintJob> m_job;
    bool m_inPage = false;
    SString m_outputPath;
};
