// Stream headers as the device sends them: UTF-8 JSON naming the codec, the
// picture size and optional base64 codec set-up bytes. A header the play
// library cannot use must give no port; one it accepts must open, take a
// packet and close again.
#include <cstddef>
#include <cstdint>

#include "vexoplay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const int kInit = VEXOPLAY_Init();
    (void)kInit;
    if (size > (1u << 20)) {
        return 0;
    }
    const int32_t port = VEXOPLAY_OpenStream(data, static_cast<int32_t>(size));
    if (port < 0) {
        return 0;
    }
    static const uint8_t kKeyUnitStart[] = {0, 0, 0, 1, 0x65, 0x88, 0x84, 0x00};
    VEXOPLAY_InputData(port, kKeyUnitStart, sizeof kKeyUnitStart);
    VEXOPLAY_WaitIdle(port, 10000);
    VexoplayMediaInfo info{};
    VEXOPLAY_GetMediaInfo(port, &info);
    VEXOPLAY_CloseStream(port);
    return 0;
}
