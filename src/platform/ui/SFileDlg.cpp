#include "platform/ui/SFileDlg.h"

#include "varod9/SInteraction.h"

SFileDlg::SFileDlg(bool openFileDialog, const char* defaultExtension, const char* fileName, uint32_t flags,
                   const char* filter, SWnd* parent)
    : m_open(openFileDialog),
      m_defaultExtension(defaultExtension),
      m_fileName(fileName),
      m_flags(flags),
      m_filter(filter),
      m_parent(parent) {}

int32_t SFileDlg::DoModal() {
    SPrompt prompt;
    prompt.kind = SPrompt::FileDialog;
    prompt.caption = m_open ? "Open" : "Save As";
    prompt.text = m_fileName;
    prompt.openMode = m_open;
    prompt.defaultExtension = m_defaultExtension;
    prompt.flags = m_flags;
    prompt.filter = m_filter;
    SAnswer answer = SInteraction::Ask(prompt);
    if (answer.button != IDOK || answer.path.IsEmpty()) return IDCANCEL;
    m_pathName = answer.path;
    int32_t slash = m_pathName.ReverseFind('/');
    if (m_pathName.Mid(slash + 1).Find('.') < 0 && !m_defaultExtension.IsEmpty())
        m_pathName += "." + m_defaultExtension;
    return IDOK;
}

SString SFileDlg::GetFileName() const {
    return m_pathName.Mid(m_pathName.ReverseFind('/') + 1);
}

SString SFileDlg::GetFileExt() const {
    SString name = GetFileName();
    int32_t dot = name.ReverseFind('.');
    return dot < 0 ? SString() : name.Mid(dot + 1);
}
