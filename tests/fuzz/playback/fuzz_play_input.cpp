// Decoder input of the play library: the first byte picks the codec of the
// port, the rest is cut into packets at each 0xFF 0xFE 0xFD marker and fed
// to VEXOPLAY_InputData; the decoder must skip what it cannot read.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "vexoplay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const int kInit = VEXOPLAY_Init();
    (void)kInit;
    if (size < 1) {
        return 0;
    }
    const char* header = (data[0] & 1) != 0 ? R"({"codec":"mjpeg","width":64,"height":48})"
                                            : R"({"codec":"h264","width":64,"height":48})";
    const int32_t port = VEXOPLAY_OpenStream(reinterpret_cast<const uint8_t*>(header),
                                             static_cast<int32_t>(strlen(header)));
    if (port < 0) {
        return 0;
    }
    size_t start = 1;
    for (size_t i = 1; i + 3 <= size; ++i) {
        if (data[i] == 0xFF && data[i + 1] == 0xFE && data[i + 2] == 0xFD) {
            VEXOPLAY_InputData(port, data + start, static_cast<int32_t>(i - start));
            start = i + 3;
            i += 2;
        }
    }
    if (start < size) {
        VEXOPLAY_InputData(port, data + start, static_cast<int32_t>(size - start));
    }
    VEXOPLAY_WaitIdle(port, 10000);
    VexoplayMediaInfo info{};
    VEXOPLAY_GetMediaInfo(port, &info);
    VEXOPLAY_CloseStream(port);
    return 0;
}
