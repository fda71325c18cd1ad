#pragma once
// How deep the objects of a repository document may nest: one rule for every reader and every
// writer of both forms and of single object records. A writer refuses what a reader would
// refuse, so that whatever was saved can be loaded again. Depth counts objects: a document's top
// objects stand at depth 1, what their collections hold at depth 2, and so on.
#include <cstdint>

struct SRepDocumentLimits {
    // The deepest object of a document. The walks over an object tree (writing, reading, new
    // object ids) recurse once per level, and stay well inside a thread's stack at this depth.
    static constexpr int32_t kMaxDepth = 256;
    // An object record holds one object that a document keeps under one of its top objects (a
    // template under its report): it nests one level less, so that what was read from a record
    // can be saved in a document.
    static constexpr int32_t kMaxRecordDepth = kMaxDepth - 1;
    // Elements of the XML form: the root and the body, then for every level of objects the
    // object's element and its collection's, the last level's holding the deepest object's values.
    static constexpr int32_t kMaxElementDepth = 2 + 2 * kMaxDepth;
};
