#include "platform/repo/SRepLabelEdit.h"

#include <algorithm>
#include <string>
#include <utility>

int32_t SRepLabelEdit::Length() const {
    return GetWindowText().GetLength();
}

void SRepLabelEdit::Clamp() {
    const int32_t length = Length();
    m_start = std::clamp(m_start, 0, length);
    m_end = std::clamp(m_end, 0, length);
    if (m_start > m_end) std::swap(m_start, m_end);
}

LRESULT SRepLabelEdit::DefWindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT: {
            const LRESULT result = SEditCtrl::DefWindowProc(message, wParam, lParam);
            m_start = m_end = Length();
            return result;
        }
        case EM_GETSEL:
            Clamp();
            if (auto* start = reinterpret_cast<uint32_t*>(wParam)) *start = static_cast<uint32_t>(m_start);
            if (auto* end = reinterpret_cast<uint32_t*>(lParam)) *end = static_cast<uint32_t>(m_end);
            return static_cast<LRESULT>(MAKELONG(static_cast<uint16_t>(m_start), static_cast<uint16_t>(m_end)));
        case EM_SETSEL: {
            const auto start = static_cast<int32_t>(wParam);
            const auto end = static_cast<int32_t>(lParam);
            if (start < 0) {
                m_start = m_end;
            } else {
                m_start = start;
                m_end = end < 0 ? Length() : end;
            }
            Clamp();
            return 1;
        }
        case EM_SCROLLCARET: return 1;
        case EM_LINELENGTH: return Length();
        case EM_REPLACESEL: {
            Clamp();
            const char* replacement = reinterpret_cast<const char*>(lParam);
            std::string text = GetWindowText().str();
            const std::string inserted = replacement ? replacement : "";
            text.replace(static_cast<size_t>(m_start), static_cast<size_t>(m_end - m_start), inserted);
            const int32_t caret = m_start + static_cast<int32_t>(inserted.size());
            SEditCtrl::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
            m_start = m_end = caret;
            return 1;
        }
        default: return SEditCtrl::DefWindowProc(message, wParam, lParam);
    }
}
