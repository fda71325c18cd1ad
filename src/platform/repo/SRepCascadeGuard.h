#pragma once
// Whether objects may react to a change by changing others (a report bringing an inserted
// template into line with its module, for one). The framework turns it off while it copies objects,
// so that the copies come out as their sources were and not as their hooks would make them; a guard turns it off (or on) for a scope and puts back what was there before.
extern bool g_IsCascadeAllowed;

class SRepCascadeGuard {
public:
    explicit SRepCascadeGuard(bool allowed = false) : m_previous(g_IsCascadeAllowed) { g_IsCascadeAllowed = allowed; }
    ~SRepCascadeGuard() { g_IsCascadeAllowed = m_previous; }
    SRepCascadeGuard(const SRepCascadeGuard&) = delete;
    SRepCascadeGuard& operator=(const SRepCascadeGuard&) = delete;

private:
    bool m_previous;
};
