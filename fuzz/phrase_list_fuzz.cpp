// Any bytes as a knowledge-base file: loaded through the working folder as
// either storage form, a list either reads or fails with the designed
// message, and what it read survives being saved and read again.

#include "FuzzSupport.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Failure.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orlevan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder scratch;
    constexpr std::string_view kName = "Base\\W1.Dat";
    scratch.clear();
    scratch.write(kName, {reinterpret_cast<const char*>(data), size});
    const Folder folder(scratch.path());
    PhraseList list;
    try {
        list.load(folder, kName);
    } catch (const Failure&) {
        return 0;
    }
    const auto lines = list.lines();
    if (PhraseList::fromBytes(list.toBytes()).lines() != lines) {
        std::abort();
    }
    return 0;
}
