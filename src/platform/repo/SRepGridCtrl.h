#pragma once
// A grid control of a repository dialog: it lists objects as the controller describes them, one
// line an object and one column an attribute, and writes every cell the user types into the
// object's attribute through the dialog's repository context, so that the dialog's OK keeps the
// edits and its Cancel drops them. Which lines and columns it shows is told by its factories,
// which SetRoot installs.
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "platform/base/SEOutOfMemory.h"
#include "platform/repo/SRepDlgControl.h"
#include "platform/repo/SRepGridColFactory.h"
#include "platform/repo/SRepGridRowFactory.h"
#include "platform/ui/SLibGridWnd.h"

class SRepControlHolder;
class SRepDialog;
class SRepListControler;

class SRepGridCtrl : public SRepDlgControl, private SLibGridWnd::Editor {
public:
    // `controlId` is the id of the grid until Initialize attaches it to the dialog's control.
    SRepGridCtrl(SRepControlHolder& holder, SRepListControler& controler, int32_t controlId);
    ~SRepGridCtrl() override;

    // Attaches the grid to the dialog's control `controlId`; 1 when the dialog has that control.
    int32_t Initialize(SRepDialog* dialog, int32_t controlId);
    // Lists the objects under `root`; the base lists every attribute of the objects.
    virtual void SetRoot(ISRepObject* root, const GUID& classId);
    // Reads the lines and columns again from the factories.
    void Refresh();
    // Writes the columns' widths under the dialog's preferences; Refresh reads them back.
    void SavePreferences();

    // Null until the grid is attached to a window.
    SLibGridWnd* GetGridWnd() { return m_wnd.GetSafeHwnd() ? &m_wnd : nullptr; }
    SRepListControler& GetControler() const { return m_controler; }
    // The object of a line and the attribute of a column; null when there is none.
    ISRepObject* GetLineObject(int32_t line) const;
    const SRepMetaAttribute* GetColumnAttribute(int32_t column) const;

    // The grid writes each edit as it is made; there is nothing to show or save at the dialog's
    // start and OK.
    void Show(SDlg&) override {}
    HRESULT Save(SDlg&, SRepDialogContext&) override { return S_OK; }

protected:
    // Installs the factories of classes Col and Row (built as the base factories are) and lists
    // the root's objects with them, without the beam across the current line.
    template <class Col, class Row>
    void InstallFactories(ISRepObject* root, const GUID& classId);

private:
    HRESULT OnEditCell(int32_t line, int32_t column, const SString& text) override;
    SString CellText(ISRepObject* object, const SRepMetaAttribute& attribute) const;
    SString GetPrefKey() const;

    SRepListControler& m_controler;
    SRepDialog* m_dialog = nullptr;
    SLibGridWnd m_wnd;
    std::unique_ptr<SRepGridColFactory> m_colFactory;
    std::unique_ptr<SRepGridRowFactory> m_rowFactory;
    std::vector<const SRepMetaAttribute*> m_columns;
    std::vector<SComWrap<ISRepObject>> m_lines;
};

template <class Col, class Row>
void SRepGridCtrl::InstallFactories(ISRepObject* root, const GUID& classId) {
    SLibGridWnd* grid = GetGridWnd();
    if (!grid) return;
    m_colFactory.reset(new (std::nothrow) Col(grid, classId, m_controler));
    if (!m_colFactory) throw SEOutOfMemory();
    m_rowFactory.reset(new (std::nothrow) Row(grid, root, classId, m_controler));
    if (!m_rowFactory) throw SEOutOfMemory();
    Refresh();
    grid->SetHorzBeam(0);
}
