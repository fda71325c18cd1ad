#include "platform/gdi/SPdfBackEnd.h"

#include <cstdint>

#include "platform/base/SEIOException.h"
#include "platform/gdi/SPrintJob.h"

namespace {

// Jobs are numbered for the whole process, as a spooler numbers them.
int32_t NextJobNumber() {
    static int32_t last = 0;
    last = last == INT32_MAX ? 1 : last + 1;
    return last;
}

}  // namespace

SPdfBackEnd::SPdfBackEnd(const SDeviceCaps& caps) : m_caps(caps) {}

SPdfBackEnd::~SPdfBackEnd() {
    // The page's context goes before the job it draws on.
    DropContext();
}

int32_t SPdfBackEnd::StartDoc(const DOCINFOA& info) {
    if (m_job) return SP_ERROR;
    try {
        m_job = std::make_unique<SPrintJob>(SString(info.lpszDocName), SString(info.lpszOutput), m_caps);
    } catch (const SEIOException&) {
        return SP_ERROR;
    }
    m_outputPath = m_job->GetPath();
    m_inPage = false;
    return NextJobNumber();
}

int32_t SPdfBackEnd::StartPage() {
    if (!m_job || m_inPage) return SP_ERROR;
    m_inPage = true;
    return 1;
}

int32_t SPdfBackEnd::EndPage() {
    if (!m_job || !m_inPage) return SP_ERROR;
    DropContext();
    m_job->EndPage();
    m_inPage = false;
    return m_job->Failed() ? SP_ERROR : 1;
}

int32_t SPdfBackEnd::EndDoc() {
    if (!m_job) return SP_ERROR;
    if (m_inPage) EndPage();
    std::unique_ptr<SPrintJob> job = std::move(m_job);
    try {
        job->Finish();
    } catch (const SEIOException&) {
        return SP_ERROR;
    }
    return 1;
}

int32_t SPdfBackEnd::AbortDoc() {
    if (!m_job) return SP_ERROR;
    DropContext();
    m_job.reset();
    m_inPage = false;
    return 1;
}

cairo_t* SPdfBackEnd::NewSurfaceContext() const {
    return m_job && m_inPage ? m_job->NewPageContext() : nullptr;
}
