#pragma once
// The "Zoom Scale" dialog of the print preview: the user picks one of the usual percentages or
// types one. The caller reads the zoom after DoModal ends with OK.
#include <cstdint>

#include "platform/ui/SComboBoxCtrl.h"
#include "platform/ui/SDlg.h"

class SRptPreviewZoomDlg : public SDlg {
public:
    static constexpr uint32_t IDD = 230;
    static constexpr int32_t IDC_ZOOM = 1133;

    // `zoom` is the current percentage, shown when the dialog opens.
    explicit SRptPreviewZoomDlg(int32_t zoom, SWnd* parent = nullptr);

    // No message map of its own: the dialog's OK and Cancel serve.
    const SClassInfo* GetClassInfo() const override { return &classSRptPreviewZoomDlg; }
    static const SClassInfo classSRptPreviewZoomDlg;

    int32_t GetZoom() const { return m_zoom; }

protected:
    int32_t OnInitDialog() override;
    // A typed or chosen number above 0 becomes the zoom; anything else keeps it. Closes either way.
    void OnOK() override;

private:
    int32_t m_zoom;
    SComboBoxCtrl m_zoomCombo;
};
