/* Play library of the device link: live stream display and the retained
 * list of overlay items drawn over the picture.
 *
 * C interface. Ports and item ids are int32_t; a negative value means
 * "none" or "failed". Colours are 0x00BBGGRR values. Coordinates are pixels
 * of the video window's client area (origin top-left, y downwards).
 *
 * Threads: every call may come from any thread. The item list of a port is
 * guarded by a lock; painting happens on the window's (UI) thread, so an item
 * added from another thread shows at the window's next paint.
 *
 * Ids: one counter per port hands out ids 1, 2, 3, ... to items of every
 * kind; an id is never reused within a port, so a stale id never reaches a
 * newer item.
 */
#ifndef VEXOPLAY_H
#define VEXOPLAY_H

#include <stdint.h>

#if defined(__GNUC__)
#define VEXOPLAY_API __attribute__((visibility("default")))
#else
#define VEXOPLAY_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A polyline through pointCount points (x,y pairs). */
typedef struct MultLineDesc {
    int32_t* points;
    int32_t pointCount;
    uint32_t colour;
    int32_t reserved; /* not read */
    int32_t lineWidth;
    uint8_t reserved2; /* not read */
    uint8_t flag;      /* not read; callers write 0 */
} MultLineDesc;

/* An axis-parallel rectangle outline. */
typedef struct RectDesc {
    float x;
    float y;
    float width;
    float height;
    uint32_t colour;
    int32_t reserved; /* not read */
    int32_t lineWidth;
} RectDesc;

/* A text label whose top-left corner is at (x, y); size is the pixel height
 * of its font. */
typedef struct OsdDesc {
    char text[256];
    uint32_t colour;
    int32_t size;
    float x;
    float y;
    int32_t reserved1; /* not read; callers write 10 */
    int32_t reserved2; /* not read; callers write 10 */
} OsdDesc;

/* A circle inside the box left..right, top..bottom. Style 0 is an outline
 * (an editing handle), style 2 a filled disc (an anchor point). */
typedef struct CircleDesc {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    uint32_t colour;
    int32_t style;
} CircleDesc;

/* A filled polygon of 3 or 4 points; opacity 0.0 (invisible) to 1.0. */
typedef struct BlockDesc {
    int32_t* points;
    int32_t pointCount;
    uint32_t colour;
    float opacity;
} BlockDesc;

/* Kinds of overlay items, as VEXOPLAY_GetOverlayItem reports them. */
enum VexoplayItemKind {
    VEXOPLAY_ITEM_MULTLINE = 1,
    VEXOPLAY_ITEM_RECT = 2,
    VEXOPLAY_ITEM_OSD = 3,
    VEXOPLAY_ITEM_CIRCLE = 4,
    VEXOPLAY_ITEM_BLOCK = 5
};

/* Classes of VEXOPLAY_ShowRenderGeometry: 0 text items, 1 lines, rectangles
 * and blocks, 2 circles. */
enum VexoplayRenderClass {
    VEXOPLAY_CLASS_TEXT = 0,
    VEXOPLAY_CLASS_SHAPE = 1,
    VEXOPLAY_CLASS_CIRCLE = 2
};

/* What VEXOPLAY_GetMediaInfo reports. width and height are the size of the
 * newest decoded picture as the stream carries it (before scaling to the
 * window). While a port has no usable picture yet (no frame decoded so far,
 * or an unknown port) they hold VEXOPLAY_NO_PICTURE_WIDTH x
 * VEXOPLAY_NO_PICTURE_HEIGHT, i.e. (16, 9): the library never shows a
 * picture smaller than 32 pixels in either side, so no real picture reads
 * as 16 x 9. */
#define VEXOPLAY_NO_PICTURE_WIDTH 16
#define VEXOPLAY_NO_PICTURE_HEIGHT 9
enum VexoplayCodec { VEXOPLAY_CODEC_H264 = 1, VEXOPLAY_CODEC_MJPEG = 2 };
typedef struct VexoplayMediaInfo {
    uint16_t width;
    uint16_t height;
    int32_t codec;       /* VexoplayCodec */
    int32_t streamWidth; /* as the stream header announced */
    int32_t streamHeight;
    uint32_t packetsIn;      /* accepted by VEXOPLAY_InputData */
    uint32_t packetsDropped; /* corrupt (refused by the decoder) or dropped from a full queue */
    uint32_t framesDecoded;  /* pictures decoded and handed to the window */
    int32_t smoothLevel;     /* as VEXOPLAY_SetPlaySmoothLevel set it */
} VexoplayMediaInfo;

/* Called on the window's (UI) thread each time a decoded picture has been
 * painted, after the overlay items: the port, the QPainter* that painted it
 * (valid only during the call) and the user value. The callback may call
 * the library. */
typedef void (*VEXOPLAY_DrawCallback)(int32_t port, void* deviceContext, void* user);

/* Reference-counted start and end of the library; the last Cleanup closes
 * every port. Init returns 1. */
VEXOPLAY_API int VEXOPLAY_Init(void);
VEXOPLAY_API void VEXOPLAY_Cleanup(void);

/* Opens a port from a stream header packet: UTF-8 JSON with "codec" ("h264"
 * or "mjpeg"), "width" and "height" (1..8192) and optionally "extradata"
 * (base64 codec set-up bytes). Starts the port's decoder thread. Returns the
 * port (>= 0), or -1 for a malformed header, a codec that cannot be opened
 * or when the library is not initialised. */
VEXOPLAY_API int32_t VEXOPLAY_OpenStream(const uint8_t* header, int32_t length);

/* Queues one video packet of the port's stream for decoding: an H.264
 * access unit in Annex-B form, or one JPEG image. The data is copied. A
 * packet the decoder cannot read is skipped and decoding goes on with the
 * next; when the stream stops, the last picture stays. Returns 1 when
 * queued, 0 for an unknown port (also -1), a null or empty buffer or one
 * above 16 MiB. Any thread. */
VEXOPLAY_API int VEXOPLAY_InputData(int32_t port, const uint8_t* buffer, int32_t length);

/* Fills *info (see VexoplayMediaInfo). Returns 1, or 0 for an unknown port
 * (info then reads 16 x 9, "no picture"). */
VEXOPLAY_API int VEXOPLAY_GetMediaInfo(int32_t port, VexoplayMediaInfo* info);

/* Settings kept per port for the metadata display: a key/value pair (for
 * example "MetadataViewer.Language") and the option text. Returns 1, or 0
 * for an unknown port or a null text. SetMetadataOption replaces the
 * previous option. */
VEXOPLAY_API int VEXOPLAY_SetMetadataConfig(int32_t port, const char* key, const char* value);
VEXOPLAY_API int VEXOPLAY_SetMetadataOption(int32_t port, const char* option);

/* What the metadata option draws between the picture and the items: names
 * separated by commas, semicolons or spaces. A function's device name
 * ("zelk:Wire_Cross_Event") draws the targets of the pictures whose
 * metadata lists that function, each box with its class (in the language of
 * "MetadataViewer.Language": "chinese", else English), and draws the shape
 * of each of its rules red for a second after it fired. The metadata menu's
 * names draw for every function: "zelk:ShowTargetBox" boxes,
 * "zelk:ShowObjectClass" classes, "zelk:ShowRuleGeometry" fired shapes. An
 * empty option draws nothing. Each picture is drawn with its own metadata
 * (the metadata packet that follows its video packet).
 *
 * The number of times a rule of a function named in the option fired
 * (start events) since the option was last set; -1 for an unknown port or
 * a null text. */
VEXOPLAY_API int32_t VEXOPLAY_GetMetadataHits(int32_t port, const char* function, const char* rule);

/* Sets (or with a null callback clears) the port's draw callback. */
VEXOPLAY_API int VEXOPLAY_SetDrawFunCallBack(int32_t port, VEXOPLAY_DrawCallback callback,
                                             void* user);

/* The smooth level is kept and reported by VEXOPLAY_GetMediaInfo. Display
 * is the same at every level: the newest decoded picture is shown at once
 * and never held back for pacing, which keeps the delay of a live view
 * lowest. Returns 1, or 0 for an unknown port. */
VEXOPLAY_API int VEXOPLAY_SetPlaySmoothLevel(int32_t port, int32_t level, int32_t reserved);

/* Shows the port in a window: a QWidget, passed as its QObject* (a
 * QWidget's QObject is at its own address). The newest decoded picture is
 * scaled into the window; until the first one arrives, and after
 * VEXOPLAY_Stop, the window keeps its own idle picture. The overlay items
 * are drawn over either. Returns 1, or 0 for an unknown port or a window
 * that is null or not a widget. */
VEXOPLAY_API int VEXOPLAY_Play(int32_t port, void* window, int32_t reserved1, int32_t reserved2);

/* Stops showing the port; its items and decoder are kept until
 * CloseStream. */
VEXOPLAY_API int VEXOPLAY_Stop(int32_t port);

/* Ends the port's decoder thread, closes the port and drops its items.
 * Returns 0 for an unknown port. */
VEXOPLAY_API int VEXOPLAY_CloseStream(int32_t port);

/* The window now shows the picture at width x height: the picture is
 * painted at that size from then on. Items are not moved: their owner
 * rescales them. */
VEXOPLAY_API int VEXOPLAY_PlayWndResize(int32_t port, int32_t width, int32_t height);

/* Add an item; returns its id, or -1 (unknown port, null or invalid
 * descriptor: fewer than 2 points, more than 4096). */
VEXOPLAY_API int32_t VEXOPLAY_AddDrawMultLine(int32_t port, const MultLineDesc* desc);
VEXOPLAY_API int32_t VEXOPLAY_AddDrawRect(int32_t port, const RectDesc* desc);
VEXOPLAY_API int32_t VEXOPLAY_AddDrawOSD(int32_t port, const OsdDesc* desc);
/* As above, the id in *id (-1 on failure); returns 1 or 0. Blocks take 3 or
 * 4 points. */
VEXOPLAY_API int VEXOPLAY_AddCircleGeometry(int32_t port, const CircleDesc* desc, int32_t* id);
VEXOPLAY_API int VEXOPLAY_AddBlockGeometry(int32_t port, const BlockDesc* desc, int32_t* id);

/* Replace an item's descriptor, keeping its id, place in the list and
 * visibility. Returns 0 when the id is unknown or of another kind. */
VEXOPLAY_API int VEXOPLAY_EditDrawMultLine(int32_t port, int32_t id, const MultLineDesc* desc);
VEXOPLAY_API int VEXOPLAY_EditDrawRect(int32_t port, int32_t id, const RectDesc* desc);
VEXOPLAY_API int VEXOPLAY_EditDrawOSD(int32_t port, int32_t id, const OsdDesc* desc);
VEXOPLAY_API int VEXOPLAY_SetCircleGeometry(int32_t port, int32_t id, const CircleDesc* desc);
VEXOPLAY_API int VEXOPLAY_SetBlockGeometry(int32_t port, int32_t id, const BlockDesc* desc);

/* Remove an item. Returns 0 when the id is unknown or of another kind. */
VEXOPLAY_API int VEXOPLAY_DeleteDrawMultLine(int32_t port, int32_t id);
VEXOPLAY_API int VEXOPLAY_DeleteDrawRect(int32_t port, int32_t id);
VEXOPLAY_API int VEXOPLAY_DeleteDrawOSD(int32_t port, int32_t id);
VEXOPLAY_API int VEXOPLAY_RemoveCircleGeometry(int32_t port, int32_t id);
VEXOPLAY_API int VEXOPLAY_RemoveBlockGeometry(int32_t port, int32_t id);

/* Hides or shows an item of the given class without deleting it. */
VEXOPLAY_API int VEXOPLAY_ShowRenderGeometry(int32_t port, int32_t renderClass, int32_t id,
                                             int show);

/* Diagnostics for tools and tests: the number of items of a port, and the
 * id, kind and visibility of the item at a place of its list (in the order
 * the items were added). Return -1 / 0 for an unknown port or index. */
VEXOPLAY_API int32_t VEXOPLAY_GetOverlayItemCount(int32_t port);
VEXOPLAY_API int VEXOPLAY_GetOverlayItem(int32_t port, int32_t index, int32_t* id, int32_t* kind,
                                         int32_t* shown);

/* Diagnostics for tools and tests: the port's stored metadata option and
 * the value of a metadata configuration key, copied NUL-terminated into
 * out (truncated to size - 1). Return the full length, or -1 for an unknown
 * port or key. WaitIdle blocks until every queued packet has been decoded
 * (1) or timeoutMs passed (0). */
VEXOPLAY_API int32_t VEXOPLAY_GetMetadataOption(int32_t port, char* out, int32_t size);
VEXOPLAY_API int32_t VEXOPLAY_GetMetadataConfig(int32_t port, const char* key, char* out,
                                                int32_t size);
VEXOPLAY_API int VEXOPLAY_WaitIdle(int32_t port, int32_t timeoutMs);

/* Diagnostics for tools and tests: the capture time of the picture the
 * port's window painted last, in microseconds of the camera's
 * CLOCK_REALTIME, as "capture_us" of the metadata packet (a JSON object)
 * that followed the picture's video packet named it. Called from the draw
 * callback it names the picture just painted. Returns 1 with *captureUs
 * filled, or 0 (*captureUs untouched) for an unknown port, a null pointer,
 * no picture painted yet or since VEXOPLAY_Stop, or a picture whose video
 * packet no metadata packet with a positive whole "capture_us" followed. */
VEXOPLAY_API int VEXOPLAY_GetShownCaptureTime(int32_t port, int64_t* captureUs);

#ifdef __cplusplus
}
#endif

#endif /* VEXOPLAY_H */
