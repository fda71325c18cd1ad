#pragma once
// The library's exported interface for host modules. A module registers itself
// (RptRegisterModule), its items, sub-items and fields, creates templates, generates and previews
// reports, opens the editors, and reads and writes templates. No function lets an exception out:
// a failure is its result code (SEOutOfMemory 0x8007000E, an input/output failure 0x80030019,
// a failed call its own code, anything else E_UNEXPECTED), with the out-pointers null.
//
// The library starts itself when it is loaded (a program linked against it finds it started when
// its main begins; one that loads it later, once the load returns) and shuts down when it is
// unloaded. No function starts it and a host has nothing to set up first.
//
// What the functions hand out and take is complete here, for the host to use: the repository's
// sessions, objects and collections with their values and sinks, the streams templates are read
// from and written to (in memory, or the host's own derived from SInputStream and SOutputStream),
// the editors' shell views and the library's shell module. The library-wide state stays the
// library's own.
#include <cstdint>

#include "platform/base/SInputStringStream.h"
#include "platform/base/SModuleState.h"
#include "platform/base/SOutputStringStream.h"
#include "platform/base/SVersionNumber.h"
#include "platform/com/GUID.h"
#include "platform/com/HRESULT.h"
#include "platform/host/ISShellCommandTarget.h"
#include "platform/host/ISShellModule.h"
#include "platform/host/SShellView.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/ISRepColSink.h"
#include "platform/repo/ISRepObjSink.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/ISRepSessionView.h"
#include "platform/repo/SRepObjectMap.h"
#include "platform/repo/SRepVariant.h"
#include "varod9/RptExport.h"

class SRptGlobalsContainer;
class SString;
struct IUnknown;
struct ISRptAvailableItems;
struct ISRptField;
struct ISRptGenerationClient;
struct ISRptItem;
struct ISRptModule;
struct ISRptModuleClient;
struct ISRptReport;
struct ISRptSink;
struct ISRptTemplate;
struct RPTFIELDDEF;
struct RPTUSRITEMDEF;

// The library's module state; never null.
RPT_EXPORT SModuleState* SRptGetModuleState();
// The library's version (9.0.0.438); never null while the library is loaded.
RPT_EXPORT const SVersionNumber* RptGetVersionNumber();
// The library-wide state; never null while the library is loaded.
RPT_EXPORT SRptGlobalsContainer* GetRptGlobalsContainer();

// ---- Modules, items and fields ----

// Registers a module under an id and a label, with its client (not referenced: it must outlive
// the module) and a flag; the module with the caller's reference. S_FALSE, and `pModule`
// untouched, when a module with the id is registered already.
RPT_EXPORT HRESULT RptRegisterModule(ISRptModuleClient* pClient, const SString& sModuleID, const SString& sLabel,
                                     int32_t bFlag, ISRptModule** pModule);
// Unregisters a module and drops the rows of its items and fields from the library's tables;
// S_FALSE when it is not registered.
RPT_EXPORT HRESULT RptUnregisterModule(ISRptModule* pModule);
// Creates an item of the description's kind in the module's available items (sub-items under a
// group item) and registers it under its module id and item id; the item with the caller's
// reference. S_FALSE and null for a kind that creates nothing.
RPT_EXPORT HRESULT RptRegisterItem(ISRptModule* pModule, const RPTUSRITEMDEF* pItemDef, ISRptItem** pItem);
RPT_EXPORT HRESULT RptRegisterSubItem(ISRptModule* pModule, ISRptItem* pParentItem, RPTUSRITEMDEF* pItemDef,
                                      ISRptItem** pItem);
// Creates a field from its description in the module and registers it under its module id and
// name; the field with the caller's reference. E_INVALIDARG for a null description. The name is
// the token that page headers and footers write, "%" included ("%MODELNAME%"): ISRptField.h tells
// where a field shows. A new template's default header is "%MODULE%\t%MODELNAME%", so a module
// registers those two fields, or its reports print the two tokens as they stand.
RPT_EXPORT HRESULT RptRegisterField(ISRptModule* pModule, const RPTFIELDDEF* pFieldDef, ISRptField** pField);
// Creates an item of the description's kind in an available-items container (a sub-item under a
// group item, whose group the description then names), without registering it.
RPT_EXPORT HRESULT RptAddItem(ISRptAvailableItems* pAvailableItems, const RPTUSRITEMDEF* pItemDef, ISRptItem** pItem);
RPT_EXPORT HRESULT RptAddSubItem(ISRptAvailableItems* pAvailableItems, ISRptItem* pParentItem, RPTUSRITEMDEF* pItemDef,
                                 ISRptItem** pItem);
// The id of the first module with a label, or the module itself with the caller's reference;
// S_FALSE when no module has it.
RPT_EXPORT HRESULT RptRetrieveModuleIDFromLabel(const SString& sLabel, SString* pModuleID);
RPT_EXPORT HRESULT RptRetrieveModuleFromLabel(const SString& sLabel, ISRptModule** pModule);
// Records an advise sink (a second advise changes nothing), and forgets it (S_FALSE when it was
// not recorded).
RPT_EXPORT HRESULT RptAdvise(ISRptSink* pSink);
RPT_EXPORT HRESULT RptUnadvise(ISRptSink* pSink);
// Does nothing; S_OK.
RPT_EXPORT HRESULT RptCreateRptAvailableItems(const SString& sModuleID, ISRptAvailableItems** pAvailableItems);
// Deletes an available-items container; S_FALSE in every case.
RPT_EXPORT HRESULT RptDestroyRptAvailableItems(ISRptAvailableItems* pAvailableItems);

// ---- Templates, reports and editors ----

// A new session holding a new report with one template of the module, both named `sName`; the
// session and the report with the caller's references. The host closes the session when it is
// done with it.
RPT_EXPORT HRESULT RptCreateTemplate(const SString& sModuleID, const SString& sName, ISRepSession** pSession,
                                     ISRepObject** pReport);
// Generates a report through the device the low byte of nMode names (0 RTF, 1 printer, 2 HTML),
// or opens its print preview; E_INVALIDARG for a null report.
RPT_EXPORT HRESULT RptGenerateReport(ISRptReport* pReport, ISRptGenerationClient* pGenerationClient, uint32_t nMode);
RPT_EXPORT HRESULT RptPreviewReport(ISRptReport* pReport, ISRptGenerationClient* pGenerationClient,
                                    ISShellCommandTarget* pUserCommandTarget);
// Does nothing; S_FALSE.
RPT_EXPORT HRESULT RptEditTemplate();
RPT_EXPORT HRESULT CreateViewReportTemplateEditor(ISRptReport* pReport, SShellView** pView);
RPT_EXPORT HRESULT CreateViewIntraModelReportEditor(ISRptReport* pReport, SShellView** pView,
                                                    ISShellCommandTarget* pUserCommandTarget);
RPT_EXPORT HRESULT CreateViewMultiModelReportEditor(ISRptReport* pReport, SShellView** pView,
                                                    ISShellCommandTarget* pUserCommandTarget);

// ---- Templates on files and streams ----
//
// These functions (and ISRptReport's ReadTemplatesFromStream and WriteTemplatesToStream, which
// call them) write and read template records, a form of templates of their own: not the template
// documents (*.rtp, in XML or binary form) of the templates folder, which the report editor lists
// and opens and the shell module's template load/save manager reads and writes. These functions
// find no template record in such a document.
//
// A template record is a header of 76 bytes (the bytes "RTP" and a zero byte; a reserved word, 0;
// the template's ModuleID as 32 UTF-16 units, at most 31 of them text and the rest zero; a
// reserved word, 0; little-endian), then the template with everything it holds, as one object
// record of the repository's binary form. A collection is a 32-bit count (little-endian), then
// that many records in the collection's order. Records carry no length: a reader takes them in
// order from the start.
//
// A reader refuses a record whose header is not a template's, and the record of a template whose
// module is not registered (RptRegisterModule) when it is read, before reading its contents: the
// single readers answer S_FALSE and give no template; the collection readers stop there with
// S_FALSE, keeping the templates appended before (what follows a refused record cannot be read).
// A template read is made in the session given and stands in no report. Added to a report of that
// session (ISRptReport::AddTemplate, or read straight into the collection that
// ISRptReport::GetTemplatesCollection gives), it is brought into line with its module: the
// module's procedures, which records do not keep, are linked to its items again, and the items
// the module no longer offers are dropped. Its items' titles that come from title paths are then
// answered as every report's are, by the client of the first module registered, whichever
// module the template belongs to.

// One template from a file: S_OK with the template (the caller's reference); S_FALSE and null when
// the file yields none (an empty file, a template document, any file without a template record,
// a refused record, a record holding something else); 0x80030002 (file not found) for a missing
// file or a folder; E_POINTER for a null out-pointer or session; a failure of the read, such as
// 0x80030019 for a template cut short or spoilt, with null.
RPT_EXPORT HRESULT ReadTemplateFromFile(const SString& sPath, ISRptTemplate** pTemplate, ISRepSession* pSession);
// The same from a stream's next record, except that *pTemplate keeps what it held when no
// template is read.
RPT_EXPORT HRESULT ReadTemplateFromStream(SInputStream& stream, ISRptTemplate** pTemplate, ISRepSession* pSession);
// The templates of a collection from a file or a stream, appended to pCollection: S_OK (a count
// of 0 or less reads nothing more); S_FALSE at a refused record or one holding no template;
// 0x80030019 when there are not the four bytes of a count (an empty file) or a template is cut
// short or spoilt, keeping what was appended before; 0x80030002 for a missing file or a folder;
// E_POINTER for a null collection or session.
RPT_EXPORT HRESULT ReadTemplatesFromFile(const SString& sPath, ISRepClassCol* pCollection, ISRepSession* pSession);
RPT_EXPORT HRESULT ReadTemplatesFromStream(SInputStream& stream, ISRepClassCol* pCollection, ISRepSession* pSession);
// One template as a record: S_OK; S_FALSE and nothing written for a null template; E_INVALIDARG
// and nothing written for a template nested deeper than the readers take. A file is written whole
// or not at all: on any failure the file that was there stays as it was. A stream's failure is
// the answer (0x80030019 for an input/output failure).
RPT_EXPORT HRESULT WriteTemplateToFile(const SString& sPath, ISRptTemplate* pTemplate);
RPT_EXPORT HRESULT WriteTemplateToStream(SOutputStream& stream, ISRptTemplate* pTemplate);
// A collection of templates (a report's: ISRptReport::GetTemplatesCollection) as its count and
// its records, as above: E_INVALIDARG and nothing written also for a null collection or one that
// holds anything but templates.
RPT_EXPORT HRESULT WriteTemplatesToFile(const SString& sPath, ISRepClassCol* pCollection);
RPT_EXPORT HRESULT WriteTemplatesToStream(SOutputStream& stream, ISRepClassCol* pCollection);

// ---- The host's shell ----

// The library's shell module, queried into `ppv` for its shell interface (ISShellModule); the
// first four arguments are not read. S_OK in every case.
RPT_EXPORT HRESULT SShellCreateInstance(const GUID& clsid, IUnknown* pOuter, uint32_t nContext, const GUID& riid,
                                        void** ppv);
