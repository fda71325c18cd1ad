#pragma once
// A resizable repository dialog around one grid control: the grid edits objects in the dialog's
// context, OK keeps the edits and Cancel drops them, both after storing the grid's preferences.
// The controls follow the window's size by the dialog's layout entries, and the window takes its
// saved size when it opens. The dialog's resources come from the module state it is given.
// A dialog whose grid cannot list what it is asked to (no grid, no objects to list) closes at
// once as cancelled and tells why through GetInitFailure.
#include <array>
#include <cstdint>
#include <memory>

#include "platform/base/SModuleState.h"
#include "platform/repo/SRepDialog.h"
#include "platform/repo/SRepDlgSizeHelper.h"
#include "platform/repo/SRepGridCtrl.h"
#include "platform/repo/SRepStdLCtrlrHelper.h"
#include "platform/ui/SLayoutMap.h"

class SRepGridDialog : public SRepDialog, public SRepDlgSizeHelper {
public:
    // The layout of a dialog whose OK, Cancel and Help buttons keep their distance to the right
    // and bottom edges while the grid keeps its top-left corner and grows with the window.
    static constexpr std::array<SLayoutEntry, 9> CornerButtonsLayout(int32_t gridId) {
        return {{{IDOK, SLayoutMap::kRight, 0, SLayoutMap::kRight, 1},
                 {IDCANCEL, SLayoutMap::kRight, 0, SLayoutMap::kRight, 1},
                 {IDHELP, SLayoutMap::kRight, 0, SLayoutMap::kRight, 1},
                 {IDOK, SLayoutMap::kBottom, 0, SLayoutMap::kBottom, 1},
                 {IDCANCEL, SLayoutMap::kBottom, 0, SLayoutMap::kBottom, 1},
                 {IDHELP, SLayoutMap::kBottom, 0, SLayoutMap::kBottom, 1},
                 {gridId, SLayoutMap::kStretchRight, 0, SLayoutMap::kRight, 1},
                 {gridId, SLayoutMap::kStretchBottom, 0, SLayoutMap::kBottom, 1},
                 {0, 0, 0, 0, 0}}};
    }

    SRepGridDialog(SModuleState* resources, uint32_t templateId, int32_t gridId, uint32_t helpContext,
                   const SLayoutEntry* layoutEntries);
    ~SRepGridDialog() override;

    const SClassInfo* GetClassInfo() const override { return &classSRepGridDialog; }
    static const SClassInfo classSRepGridDialog;
    S_DECLARE_MESSAGE_MAP()

public:
    int32_t DoModal() override;
    void OnOK() override;
    void OnCancel() override;
    void OnSize(uint32_t type, int32_t cx, int32_t cy);
    virtual void OnHelp();
    const SLayoutMap* GetLayoutMap() const override { return &m_layoutMap; }

    // 1 once the dialog has been initialised.
    int32_t IsInitialised() const { return m_initialised; }
    // Why the dialog closed at its start; S_OK when it did not.
    HRESULT GetInitFailure() const { return m_initFailure; }
    SRepGridCtrl* GetGrid() const { return m_grid.get(); }
    SRepListControler& GetControler() { return m_controler.GetControler(); }

protected:
    int32_t OnInitDialog() override;
    // Gives the grid its root; an SECOMException stops the dialog with its code.
    virtual void SetGridRoot() = 0;
    // The grid lists the objects of a class in a collection of its root; the user can neither add
    // nor remove any.
    void ListObjects(const GUID& classId, int32_t collectionId);
    // The grid of the derived dialog (null when it could not be made), over this dialog's
    // controller.
    void SetGrid(std::unique_ptr<SRepGridCtrl> grid) { m_grid = std::move(grid); }

private:
    SModuleState* m_resources;
    int32_t m_gridId;
    uint32_t m_helpContext;
    const SLayoutEntry* m_layoutEntries;
    SRepStdLCtrlrHelper m_controler;
    int32_t m_initialised = 0;
    HRESULT m_initFailure = S_OK;
    std::unique_ptr<SRepGridCtrl> m_grid;
    SLayoutMap m_layoutMap;
};
