#pragma once
// The print preview of rpthost, which keeps no window on screen: the report's preview is opened
// in a stand-in host through the library's preview window, and every page the window shows is
// drawn on a white picture of the paper (kDotsPerInch dots per inch) and written as
// `folder`/page-N.png, N from 1. The pictures are written as one set of files (SOutputFileSet),
// which replaces the earlier pictures only once every page is written. The preview is closed
// again once the pages are written.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/HRESULT.h"
#include "varod9/ISRptReport.h"

class SRptPhysicalLayer;
class SRptViewReportPreview;

class SPngPreviewShell {
public:
    static constexpr int32_t kDotsPerInch = 96;

    explicit SPngPreviewShell(const SString& folder) : m_folder(folder) {}

    // Opens the preview of the report and writes its pages: S_OK when every page was written,
    // the preview's failure, or E_FAIL when it showed no page or a page could not be drawn or
    // written (then no picture of the folder has changed and none is counted written).
    HRESULT Run(ISRptReport* report);
    int32_t GetPagesWritten() const { return m_written; }
    // What went wrong with the pictures, empty when nothing did: a picture that could not be
    // written is named where it was to be, in the folder of the pages.
    const SString& GetFault() const { return m_fault; }

    // The picture of page `number` in `folder`.
    static SString PagePath(const SString& folder, int32_t number);
    // Where the pictures wait in `folder` until they take their places together.
    static SString StagingFolderOf(const SString& folder);
    // Whether `name` is the name of a picture that a preview may write, whatever the number of
    // pages.
    static bool IsPageName(const SString& name);

private:
    // Each page of the window, shown in turn and written.
    void WritePages(SRptViewReportPreview& window);
    // The picture of a page, into `folder` (the staging folder).
    void WritePage(SRptPhysicalLayer& layer, const SString& folder, int32_t number);
    // `folder` as the pictures' paths begin: "" or ending with "/".
    static SString FolderOfPages(const SString& folder);

    SString m_folder;
    int32_t m_written = 0;
    SString m_fault;
};
