#include "platform/gdi/SPrintJob.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include "platform/base/SFile.h"
#include "platform/base/SOutputFile.h"
#include "platform/gdi/SCairoStreamWriter.h"
#include "platform/gdi/SPrinterCache.h"

namespace {

constexpr double kPointsPerInch = 72.0;
// More numbered files of one name than this is a folder gone wrong, not a queue.
constexpr int32_t kMaxNumberedFiles = 100000;

// The name with the characters a file name may not hold (on any system the file may travel to)
// replaced by "_"; "Document" when nothing is left.
SString CleanFileName(const SString& name) {
    SString clean;
    for (const char c : std::string_view(name.c_str())) {
        const bool forbidden = static_cast<unsigned char>(c) < 0x20 || SString("\\/:*?\"<>|").Find(c) >= 0;
        clean += forbidden ? '_' : c;
    }
    clean.Trim();
    return clean.IsEmpty() || clean == "." || clean == ".." ? SString("Document") : clean;
}

double Points(int32_t dots, int32_t dotsPerInch) {
    return dotsPerInch > 0 ? dots * kPointsPerInch / dotsPerInch : 0;
}

}  // namespace

SString SPrintJob::MakeOutputPath(const SString& folder, const SString& documentName) {
    SString head = folder;
    if (!head.IsEmpty() && head.Right(1) != "/") head += "/";
    const SString name = CleanFileName(documentName);
    SString path = head + name + ".pdf";
    for (int32_t number = 2; SFile::Exists(path); ++number) {
        if (number > kMaxNumberedFiles)
            throw SEIOException("The printer's output folder holds too many documents of this name.",
                                SEIOException::generic, path);
        path = head + name + " " + SString::FromInt(number) + ".pdf";
    }
    return path;
}

SPrintJob::SPrintJob(const SString& documentName, const SString& output, const SDeviceCaps& caps)
    : m_path(output.IsEmpty() ? MakeOutputPath(SPrinterCache::GetOutputFolder(), documentName) : output),
      m_caps(caps) {
    m_file = std::make_unique<SOutputFile>(m_path);
    m_writer = std::make_unique<SCairoStreamWriter>(*m_file);
    m_surface = cairo_pdf_surface_create_for_stream(&SCairoStreamWriter::Write, m_writer.get(),
                                                    Points(caps.physicalWidth, caps.logPixelsX),
                                                    Points(caps.physicalHeight, caps.logPixelsY));
    if (cairo_surface_status(m_surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(m_surface);
        m_surface = nullptr;
        throw SEIOException("The print job cannot be started.", SEIOException::generic, m_path);
    }
    cairo_pdf_surface_set_metadata(m_surface, CAIRO_PDF_METADATA_TITLE, documentName.c_str());
}

SPrintJob::~SPrintJob() {
    // A job not finished is dropped: what the surface still writes goes nowhere, and the file
    // never takes its name.
    if (m_surface) {
        m_file->Abort();
        cairo_surface_destroy(m_surface);
    }
}

cairo_t* SPrintJob::NewPageContext() const {
    if (!m_surface) return nullptr;
    cairo_t* cr = cairo_create(m_surface);
    cairo_scale(cr, kPointsPerInch / m_caps.logPixelsX, kPointsPerInch / m_caps.logPixelsY);
    cairo_translate(cr, m_caps.physicalOffsetX, m_caps.physicalOffsetY);
    return cr;
}

void SPrintJob::EndPage() {
    if (!m_surface) return;
    cairo_surface_show_page(m_surface);
    ++m_pages;
}

bool SPrintJob::Failed() const {
    return m_writer->Failed() || (m_surface && cairo_surface_status(m_surface) != CAIRO_STATUS_SUCCESS);
}

void SPrintJob::Finish() {
    if (!m_surface) return;
    cairo_surface_t* surface = m_surface;
    m_surface = nullptr;
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (m_writer->Failed() || status != CAIRO_STATUS_SUCCESS) {
        m_file->Abort();
        m_writer->Rethrow();
        throw SEIOException("The print job cannot be completed.", SEIOException::generic, m_path);
    }
    m_file->Close();
}
