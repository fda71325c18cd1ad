#pragma once
// A header that declares what the library defines nowhere: an operation, and a virtual one that
// would put the class's virtual table in the library.
class SUndefinedSurface {
public:
    virtual ~SUndefinedSurface();
    void Declared();
};
