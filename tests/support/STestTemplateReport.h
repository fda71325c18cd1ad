#pragma once
// A report document for the template-file tests: a report in a session with two templates that
// hold every kind of item (texts, titles, page breaks, text and graphic files, group texts and
// titles, a folder with an item inside, a user graphic, a table of contents, a form and a list
// with rows and cells), paragraphs with fonts and tab stops, and texts that XML must escape or
// cannot carry as they are. And a dump of an object tree (every stored attribute, every collection
// but inverse ends) to compare two trees with.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/com/SComWrap.h"
#include "platform/repo/ISRepClassCol.h"
#include "platform/repo/ISRepObject.h"
#include "platform/repo/ISRepSession.h"
#include "platform/repo/SRepCascadeGuard.h"
#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepVariant.h"

namespace stest_template_report {

// Ids and classes as the metamodel gives them.
constexpr int32_t kItems = 0x02000151;
constexpr int32_t kTemplates = 0x02006550;
constexpr int32_t kParagraphs = 0x02006090;
constexpr int32_t kTabs = 0x02006030;
constexpr int32_t kRows = 0x02006990;
constexpr int32_t kCells = 0x02006970;
constexpr int32_t kName = 0x01000002;
constexpr int32_t kModuleID = 0x02006109;
constexpr int32_t kItemID = 0x02006108;

inline GUID Rpt(uint8_t last) {
    GUID clsid = MakeGUID("{A6BAC800-B730-11D1-8898-00A02455633B}");
    clsid.Data1 |= last;
    return clsid;
}

inline SComWrap<ISRepObject> MakeIn(ISRepObject* owner, const GUID& clsid, int32_t collection) {
    SComWrap<ISRepObject> made;
    EXPECT_EQ(owner->CreateObject(clsid, reinterpret_cast<void**>(&made), ISRepObject::iid, collection, -1, true), S_OK);
    return made;
}

inline void SetText(ISRepObject* object, int32_t id, const char* text) {
    SRepVariant value;
    value.SetText(text);
    EXPECT_EQ(SUCCEEDED(object->SetAttribute(id, value)), true) << std::hex << id;
}

inline void SetNumber(ISRepObject* object, int32_t id, uint32_t type, int32_t number) {
    SRepVariant value;
    if (type == SREP_VT_SHORT) value.SetShort(static_cast<int16_t>(number));
    else if (type == SREP_VT_BOOL) value.SetBool(number != 0);
    else value.SetInt(number);
    EXPECT_EQ(SUCCEEDED(object->SetAttribute(id, value)), true) << std::hex << id;
}

// An item of a class in an owner's Items, with an item id and a label.
inline SComWrap<ISRepObject> Item(ISRepObject* owner, uint8_t kind, const char* id) {
    SComWrap<ISRepObject> item = MakeIn(owner, Rpt(kind), kItems);
    if (item) {
        SetText(item.Get(), kItemID, id);
        SetText(item.Get(), kModuleID, "MOD");
        SetText(item.Get(), 0x0200610C, id);  // Label
    }
    return item;
}

inline void AddRows(ISRepObject* table, uint8_t rowClass, uint8_t cellClass) {
    for (int r = 0; r < 2; ++r) {
        SComWrap<ISRepObject> row = MakeIn(table, Rpt(rowClass), kRows);
        if (!row) return;
        SetNumber(row.Get(), 0x02006961, SREP_VT_INT, 500 + r);  // Height
        SetNumber(row.Get(), 0x02006966, SREP_VT_BOOL, r == 0);  // HeadingRow
        for (int c = 0; c < 3; ++c) {
            SComWrap<ISRepObject> cell = MakeIn(row.Get(), Rpt(cellClass), kCells);
            if (!cell) return;
            SetText(cell.Get(), 0x02006942, ("cell " + std::to_string(r) + "." + std::to_string(c)).c_str());
            SetNumber(cell.Get(), 0x02006945, SREP_VT_SHORT, c == 2 ? -50 : 1200);  // Width
        }
    }
}

// The report (the session's first top object) and its templates.
inline SComWrap<ISRepObject> MakeFullReport(ISRepSession* session) {
    // The document is made as it stands: no template is brought into line with a module.
    SRepCascadeGuard noCascade;
    SComWrap<ISRepObject> report;
    EXPECT_EQ(session->CreateModelObject(Rpt(0xD1), reinterpret_cast<void**>(&report), ISRepObject::iid, -1, true),
              S_OK);
    if (!report) return report;
    SetText(report.Get(), kName, "Quarterly <report> & \"friends\"");
    SetText(report.Get(), 0x02006503, "Title\nwith two lines\tand a tab, \xC3\xBC and \xE2\x82\xAC");  // FirstPageTitle
    SetText(report.Get(), 0x02006504, "carriage\r\nreturn and \x01 control");  // FirstPageAuthor
    SetNumber(report.Get(), 0x0200650E, SREP_VT_BOOL, 1);                      // SectNum
    // The report's title paragraph with a font of its own and two tab stops.
    SComWrap<ISRepClassCol> paragraphs;
    report->GetCollection(kParagraphs, &paragraphs);
    SComWrap<ISRepObject> para;
    if (paragraphs) paragraphs->Item(0, &para);
    EXPECT_TRUE(para);
    if (para) {
        SetText(para.Get(), 0x02006001, "Liberation Serif");
        SetNumber(para.Get(), 0x02006002, SREP_VT_INT, 14);
        for (int i = 1; i <= 2; ++i) SetNumber(MakeIn(para.Get(), Rpt(0xFA), kTabs).Get(), 0x02006051, SREP_VT_INT, 1000 * i);
    }
    for (int t = 0; t < 2; ++t) {
        SComWrap<ISRepObject> tmpl = MakeIn(report.Get(), Rpt(0xF6), kTemplates);
        if (!tmpl) return report;
        SetText(tmpl.Get(), kName, t == 0 ? "First template" : "Second template");
        SetText(tmpl.Get(), kModuleID, t == 0 ? "MOD" : "OTHER");
        SetText(tmpl.Get(), 0x02006200, "Header <b>");  // Header
        SRepVariant margin;
        margin.SetRECT(RECT{100, 200, -300, 400});
        tmpl->SetAttribute(0x02006208, margin);
        SRepVariant paper;
        paper.SetPOINT(POINT{21000, 29700});
        tmpl->SetAttribute(0x0200620A, paper);
        if (t == 1) continue;
        SetText(Item(tmpl.Get(), 0xF7, "TEXT").Get(), 0x020063E0, "free text <&>");    // text
        SetText(Item(tmpl.Get(), 0xF9, "TITLE").Get(), 0x02006401, "a title");         // title
        Item(tmpl.Get(), 0xEE, "BREAK");                                                  // page break
        SetText(Item(tmpl.Get(), 0xF8, "TEXTFILE").Get(), 0x020063C0, "/tmp/a.txt");    // text file
        SetText(Item(tmpl.Get(), 0xDF, "PICTURE").Get(), 0x020063C0, "/tmp/a.png");     // graphic file
        SetText(Item(tmpl.Get(), 0xE1, "GRPTEXT").Get(), 0x02006303, "group text");     // group text
        SetText(Item(tmpl.Get(), 0xE2, "GRPTITLE").Get(), 0x02006340, "group title");   // group title
        SComWrap<ISRepObject> folder = Item(tmpl.Get(), 0xD6, "FOLDER");                  // folder
        if (folder) SetText(Item(folder.Get(), 0xF7, "INNER").Get(), 0x020063E0, "inside the folder");
        SetNumber(Item(tmpl.Get(), 0xDD, "GRAPHIC").Get(), 0x02006463, SREP_VT_SHORT, 75);  // user graphic
        SetText(Item(tmpl.Get(), 0xF5, "TOC").Get(), 0x02006480, "Contents");             // table of contents
        SComWrap<ISRepObject> form = Item(tmpl.Get(), 0xD7, "FORM");
        if (form) AddRows(form.Get(), 0xD9, 0xD8);
        SComWrap<ISRepObject> list = Item(tmpl.Get(), 0xE4, "LIST");
        if (list) AddRows(list.Get(), 0xE5, 0xE6);
    }
    return report;
}

// Every attribute of an object (references aside) and its collections, nested.
inline void Dump(ISRepObject* object, std::string& out, int depth = 0) {
    const SRepMetaClass* metaClass = GetTypeLibManager()->FindMetaClass(object->GetClassID());
    const std::string indent(static_cast<size_t>(depth) * 2, ' ');
    out += indent + (metaClass ? metaClass->GetCodeName().str() : std::string("?")) + "\n";
    for (const SRepMetaClass* c = metaClass; c; c = c->GetBaseClass()) {
        for (const SRepMetaAttribute& attribute : c->GetAttributes()) {
            // What the object computes depends on where it stands (a template's header on its
            // report): only what it holds is compared.
            if ((attribute.GetAttributeType() & 0x80000000u) || attribute.IsComputed()) continue;
            SRepVariant value;
            if (FAILED(object->GetAttribute(static_cast<int32_t>(attribute.GetId()), &value))) continue;
            out += indent + " " + attribute.GetCodeName().str() + "=" + std::to_string(value.GetType()) + ":" +
                   value.GetText().str() + "|" + std::to_string(value.GetInt()) + "|" + GUIDToString(value.GetOID()) +
                   "|" + std::to_string(value.GetRECT().left) + "," + std::to_string(value.GetRECT().bottom) + "|" +
                   std::to_string(value.GetPOINT().x) + "," + std::to_string(value.GetPOINT().y) + "|" +
                   std::to_string(value.GetDATE()) + "\n";
        }
        for (const SRepMetaCollection& collection : c->GetCollections()) {
            if (collection.IsInverseEnd()) continue;
            SComWrap<ISRepClassCol> elements;
            if (FAILED(object->GetCollection(static_cast<int32_t>(collection.GetId()), &elements)) || !elements) continue;
            int32_t count = 0;
            elements->GetCount(&count);
            out += indent + " c:" + collection.GetCodeName().str() + " " + std::to_string(count) + "\n";
            for (int32_t i = 0; i < count; ++i) {
                SComWrap<ISRepObject> element;
                elements->Item(i, &element);
                if (element) Dump(element.Get(), out, depth + 1);
            }
        }
    }
}

// How many levels of objects `object` spans, itself the first, through every collection but
// inverse ends.
inline int32_t DepthOf(ISRepObject* object) {
    int32_t below = 0;
    const SRepMetaClass* metaClass = GetTypeLibManager()->FindMetaClass(object->GetClassID());
    for (const SRepMetaClass* c = metaClass; c; c = c->GetBaseClass()) {
        for (const SRepMetaCollection& collection : c->GetCollections()) {
            SComWrap<ISRepClassCol> elements;
            if (collection.IsInverseEnd() ||
                FAILED(object->GetCollection(static_cast<int32_t>(collection.GetId()), &elements)) || !elements)
                continue;
            int32_t count = 0;
            elements->GetCount(&count);
            for (int32_t i = 0; i < count; ++i) {
                SComWrap<ISRepObject> element;
                elements->Item(i, &element);
                if (element) below = std::max(below, DepthOf(element.Get()));
            }
        }
    }
    return 1 + below;
}

// Folders one inside the other in the report's first template, until the report's document
// spans `depth` levels of objects (the report the first); the innermost folder.
inline SComWrap<ISRepObject> NestFolders(ISRepObject* report, int32_t depth) {
    SRepCascadeGuard noCascade;
    const int32_t besides = DepthOf(report);
    SComWrap<ISRepClassCol> templates;
    report->GetCollection(kTemplates, &templates);
    SComWrap<ISRepObject> innermost;
    if (templates) templates->Item(0, &innermost);
    // The template stands at the second level, each folder one below its owner.
    for (int32_t level = 3; innermost; ++level) {
        innermost = Item(innermost.Get(), 0xD6, "NESTED");
        if (!innermost || std::max(besides, level - 1 + DepthOf(innermost.Get())) >= depth) break;
    }
    EXPECT_EQ(DepthOf(report), depth);
    return innermost;
}

inline std::string DumpOf(ISRepObject* object) {
    std::string out;
    Dump(object, out);
    return out;
}

inline std::string DumpModel(ISRepSession* session) {
    std::string out;
    SComWrap<ISRepClassCol> model;
    session->GetObjects(&model);
    int32_t count = 0;
    model->GetCount(&count);
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRepObject> object;
        model->Item(i, &object);
        Dump(object.Get(), out);
    }
    return out;
}

}  // namespace stest_template_report
