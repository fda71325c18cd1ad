#pragma once
// The printing progress window: shown while a report is paginated for printing and while its
// pages go to the printer, it says what is being done (action, report, printer, port, page) and
// offers Cancel, which raises the library's print abort flag that the printer side tests between
// steps. Printing runs on the user-interface thread, so the printer side calls ProcessMessages
// between steps to let a Cancel in; meanwhile the host's main window and the window that was
// active are disabled, so that Cancel is all the user can reach.
#include <cstdint>

#include "platform/ui/SAnimateCtrl.h"
#include "platform/ui/SButtonCtrl.h"
#include "platform/ui/SDlg.h"
#include "platform/ui/SStaticCtrl.h"

class SRptPrinterBaseDevice;

class SRptDlgPrinting : public SDlg {
public:
    static constexpr uint32_t IDD = 204;
    static constexpr int32_t IDC_ACTION = 1126;
    static constexpr int32_t IDC_DOCUMENT = 1000;
    static constexpr int32_t IDC_PRINTER = 1001;
    static constexpr int32_t IDC_PORT = 1002;
    static constexpr int32_t IDC_PAGE = 1003;
    static constexpr int32_t IDC_ANIMATION = 1132;
    static constexpr uint32_t IDR_PRINTING_CLIP = 431;

    // Creates the window at once (modeless), owned by the host's main window. With a null
    // device Cancel only closes it.
    explicit SRptDlgPrinting(SRptPrinterBaseDevice* device);
    // Enables again each window the constructor disabled, then destroys the window.
    ~SRptDlgPrinting() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgPrinting; }
    static const SClassInfo classSRptDlgPrinting;
    S_DECLARE_MESSAGE_MAP()

public:
    void SetAction(const SString& text);
    void SetDoc(const SString& text);
    void SetPrinter(const SString& text);
    void SetPort(const SString& text);
    void SetPage(const SString& text);
    void SetPage(int32_t page);

    // Lets waiting user input in (a Cancel among it) while the abort flag is 0; returns at once
    // when it is set.
    void ProcessMessages();

    SRptPrinterBaseDevice* GetDevice() const { return m_device; }
    // The clip the animation plays (IDR_PRINTING_CLIP once the window is made).
    uint32_t GetAnimationClip() const { return m_animation.GetClip(); }

    // The library's print abort word: 1 once the user asked to stop printing. The printer side
    // clears it at the start and at the end of every run.
    static int32_t GetAbortFlag();
    static void SetAbortFlag(int32_t value);

protected:
    int32_t OnInitDialog() override;
    void OnCancel() override;

private:
    SRptPrinterBaseDevice* m_device = nullptr;
    SStaticCtrl m_action;
    SStaticCtrl m_document;
    SStaticCtrl m_printer;
    SStaticCtrl m_port;
    SStaticCtrl m_page;
    SButtonCtrl m_cancel;
    SAnimateCtrl m_animation;
    // The windows this dialog disabled, by handle: one destroyed meanwhile is left alone.
    HWND m_disabledMainWnd = 0;
    HWND m_disabledActiveWnd = 0;
};
