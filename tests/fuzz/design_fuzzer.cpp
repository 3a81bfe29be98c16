// design_fuzzer.cpp: libFuzzer target for the saved-design reader and the restore of a player.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "designerror.h"
#include "designhost.h"
#include "embedsound.h"
#include "recordingoutput.h"
#include "saveddesign.h"
#include "sounderror.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    varn::SavedDesign design;
    try {
        design = varn::SavedDesign::decode({data, size});
    } catch (const varn::DesignError&) {
        return 0;
    }
    // What was read is written back the same way and reads back to the same bytes.
    const varn::ByteArray encoded = design.encode();
    if (varn::SavedDesign::decode(encoded).encode() != encoded) std::abort();
    varn::test::RecordingOutput output;
    for (const varn::DesignInstance& saved : design.instances()) {
        varn::DesignInstance instance = saved;
        varn::DesignHost host(instance, varn::DesignHost::Mode::Run);
        varn::EmbedSound player(host, output);
        try {
            player.UserControl_ReadProperties();
        } catch (const varn::SoundError& error) {
            if (error.number() != varn::SoundError::kTypeMismatch) std::abort();
            continue;
        }
        player.PlaySound();
    }
    return 0;
}
