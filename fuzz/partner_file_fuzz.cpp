// The partner's shared file of the computer-to-computer mode holds whatever
// the other copy (or anyone) wrote. Each reading takes its first line as the
// phrase and answers it into the same file; the answer must be what the
// partner reads back, and learning from the phrase must keep the phrase
// base readable.

#include "FuzzSupport.h"
#include "engine/Dialogue.h"
#include "platform/system/Failure.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace orlevan;

namespace {

constexpr std::string_view kPartnerFile = "Txt.Dat";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder scratch;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::DialogueRig rig(scratch, bytes, {{std::string(kPartnerFile), std::string(bytes)}});
    Dialogue& dialogue = rig.dialogue;
    fuzz::QuietFrontEnd frontEnd{std::string(kPartnerFile)};
    // Two readings: the partner's phrase, then the file as our answer left it.
    for (int reading = 0; reading < 2; ++reading) {
        try {
            dialogue.LoadtxtCpuCpu.load(rig.folder, kPartnerFile);
        } catch (const Failure&) {
            return 0; // a file that cannot be read is reported, and that is all
        }
        const std::string phrase(dialogue.LoadtxtCpuCpu.line(0));
        if (phrase.empty()) {
            break; // no phrase, no turn
        }
        try {
            dialogue.turn(phrase, {}, frontEnd);
        } catch (const Failure&) {
            break;
        }
        const auto written = fuzz::linesOf(rig.folder, kPartnerFile);
        if (written.empty() || written[0] != dialogue.state.CpuPhrase) {
            std::fprintf(stderr, "the partner reads back something else than the answer\n");
            std::abort();
        }
    }
    rig.requireLearntLinesWellFormed();
    return 0;
}
