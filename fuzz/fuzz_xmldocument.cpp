// Arbitrary bytes as a repository document in the XML form, read into a session of report
// objects: the reader must refuse what does not read without crashing, looping or allocating
// beyond the input, pointing inside the input and leaving nothing in the session; and whatever it
// accepts must write out again and read back.
#include "FuzzLibrary.h"
#include "platform/repo/SRepXMLStreamManager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_library::CheckDocumentReader<SRepXMLStreamManager>(data, size);
    return 0;
}
