// Feeds arbitrary bytes to the settings-file reader: it must refuse or accept
// them without a crash, a leak or undefined behaviour, and a file it accepts
// must save again to a file it reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "state/defaults.h"
#include "state/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One start-up state for every input: a file read whole leaves it sound.
    static nk::Model* model = [] {
        auto* m = new nk::Model;
        nk::Alapertekek(*m);
        return m;
    }();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (nk::readSettingsFile(bytes, *model).ok) {
        nk::copyActiveToWorking(*model);
        const nk::SettingsFileWrite again = nk::writeSettingsFile(*model);
        if (again.ok && !nk::readSettingsFile(again.bytes, *model).ok) std::abort();
    }
    return 0;
}
