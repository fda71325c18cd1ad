#pragma once
// The file dialog: open or save, default extension, initial file name, flags and filter
// ("Text files (*.txt)|*.txt|All files (*.*)|*.*|"). DoModal returns IDOK (1) or IDCANCEL (2).
#include <cstdint>

#include "platform/ui/SWnd.h"

inline constexpr uint32_t OFN_READONLY = 0x1;
inline constexpr uint32_t OFN_OVERWRITEPROMPT = 0x2;
inline constexpr uint32_t OFN_HIDEREADONLY = 0x4;

class SFileDlg {
public:
    SFileDlg(bool openFileDialog, const char* defaultExtension = nullptr, const char* fileName = nullptr,
             uint32_t flags = 0, const char* filter = nullptr, SWnd* parent = nullptr);

    int32_t DoModal();
    // The chosen full path; with no extension typed, the default extension is added.
    SString GetPathName() const { return m_pathName; }
    // The chosen file's name with its extension, and the extension alone.
    SString GetFileName() const;
    SString GetFileExt() const;

    bool IsOpenDialog() const { return m_open; }
    const SString& GetDefaultExtension() const { return m_defaultExtension; }
    const SString& GetInitialFileName() const { return m_fileName; }
    uint32_t GetFlags() const { return m_flags; }
    const SString& GetFilter() const { return m_filter; }
    SWnd* GetParent() const { return m_parent; }

private:
    bool m_open;
    SString m_defaultExtension;
    SString m_fileName;
    uint32_t m_flags;
    SString m_filter;
    SWnd* m_parent;
    SString m_pathName;
};
