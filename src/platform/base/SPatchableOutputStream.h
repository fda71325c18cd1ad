#pragma once
// An output whose bytes can be read back and overwritten in place until it is made final: a
// device that learns something only at the end (the fonts and colours an RTF document used)
// rewrites the part of the document that depends on it without writing the document twice.
//
// A patch keeps the output's length: it overwrites bytes already written and never reaches past
// them. A replacement of another length is built from these operations: a shorter one is padded
// (with blanks, for RTF), a longer one first writes the difference at the end and then moves
// what follows the old part forward with ReadAt and PatchAt, block by block from the end.
#include "platform/base/SOutputStream.h"

class SPatchableOutputStream : public SOutputStream {
public:
    // Overwrites `count` bytes at `offset` of what was written. A range that is not wholly
    // within what was written throws SEIOException and changes nothing.
    void PatchAt(int64_t offset, const void* data, size_t count);
    // Reads up to `count` bytes at `offset` of what was written; answers the number read, fewer
    // than `count` only at the end. An offset past the end throws SEIOException.
    size_t ReadAt(int64_t offset, void* buffer, size_t count);

protected:
    // Both see the output with the buffer delivered and the range checked.
    virtual void PatchImpl(int64_t offset, const void* data, size_t count) = 0;
    virtual void ReadImpl(int64_t offset, void* buffer, size_t count) = 0;

private:
    void CheckRange(int64_t offset, size_t count, const char* action);
};
