#pragma once
// A script of host actions for `rpthost edit`: one action a line, blank lines and lines starting
// with '#' left out. Words are parted by blanks; a part of a word between double quotes keeps
// its blanks (\" and \\ inside the quotes stand for " and \). The actions:
//   model FILE             the data model to report on (relative to the script's folder); once
//   fire ID                fires the command ID as the host's menu would
//   key tab|esc            presses Tab (the host's accelerator that switches the editor's side)
//                          or Esc (the host's "Hide", which closes the editor)
//   select ITEM [ITEM...]  selects, in the template's contents, the items of those item ids (the
//                          first of each in document order, the template itself first), as
//                          clicks in the browser would
//   add ITEM               drops the available item of that item id on the contents (into the
//                          selected item, or at the end of the template); ITEM/SUB names a
//                          sub-item of an available item
//   rename NAME            renames the template as a user does: Rename (45100) from the menu of
//                          the template's node in the contents, NAME typed in place, Enter
//   answer BUTTON [ID=VALUE ...] [page=N] [path=PATH]
//                          answers the next prompt of the library: ok, cancel, yes, no or a
//                          button id; dialog control values; the page (from 0) a property sheet
//                          turns to before its values are set; a file dialog's path. A control
//                          given more than once takes its values one a line, as a grid takes
//                          one cell edit a line ("LINE:COLUMN TITLE=TEXT") and a selection list
//                          one entry a line: 1137="0:Width=12.7 mm" 1137="1:Enabled=1"
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/base/SString.h"

struct SRptEditStep {
    enum Kind { Fire, Key, Select, Add, Rename, Answer };
    Kind kind = Fire;
    uint32_t id = 0;                    // Fire: the command; Key: the virtual key; Answer: the button
    std::vector<std::string> items;     // Select, Add
    SString name;                       // Rename: the template's new name
    std::map<int32_t, SString> values;  // Answer: control values
    int32_t page = -1;                  // Answer: a property sheet's page; -1 the one it opens on
    SString path;                       // Answer: a file dialog's path
    int line = 0;
};

class SRptEditScript {
public:
    // Reads the script file; throws SException with the line at fault.
    static SRptEditScript ReadFile(const SString& path);
    // Parses the text of a script whose relative paths start from `folder`.
    static SRptEditScript Parse(const std::string& text, const SString& folder);

    const SString& GetModel() const { return m_model; }
    const std::vector<SRptEditStep>& GetSteps() const { return m_steps; }

private:
    SString m_model;
    std::vector<SRptEditStep> m_steps;
};
