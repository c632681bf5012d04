/* Network library of the device link: login, analytics commands, PTZ and
 * the live stream.
 *
 * C interface. Every text is narrow (the process locale's encoding).
 * Handles are int32_t; a negative handle means "none" or "failed".
 *
 * Error codes: every call that fails records a code that
 * VEXONET_GetLastError() returns on the same thread (the code is kept per
 * thread, so two threads never read each other's failures). A successful
 * call sets the code to VEXONET_OK.
 */
#ifndef VEXONET_H
#define VEXONET_H

#include <stdint.h>

#if defined(__GNUC__)
#define VEXONET_API __attribute__((visibility("default")))
#else
#define VEXONET_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum VexonetError {
    VEXONET_OK = 0,
    VEXONET_ERR_NOT_INITIALISED = 1, /* VEXONET_Init was not called */
    VEXONET_ERR_PARAMETER = 2,       /* null pointer, bad address or bad value */
    VEXONET_ERR_SETUP = 3,           /* setup XML names no usable PTZ protocol entry */
    VEXONET_ERR_CONNECT = 4,         /* no connection to the device (refused, unreachable) */
    VEXONET_ERR_TIMEOUT = 5,         /* connect or whole-exchange time-out expired */
    VEXONET_ERR_AUTH = 6,            /* the device refused the user name or password */
    VEXONET_ERR_SESSION = 7,         /* the device refused the session even after a new login */
    VEXONET_ERR_LOGIN_ID = 8,        /* unknown login id */
    VEXONET_ERR_HTTP_STATUS = 9,     /* the device answered with a status other than 200 */
    VEXONET_ERR_PROTOCOL = 10,       /* malformed answer (bad login reply, broken stream) */
    VEXONET_ERR_TOO_LARGE = 11,      /* an answer exceeded 16 MiB */
    VEXONET_ERR_NETWORK = 12,        /* connection lost or other transfer failure */
    VEXONET_ERR_TOO_MANY = 13,       /* no free login id or handle */
    VEXONET_ERR_HANDLE = 14,         /* unknown real-data handle */
    VEXONET_ERR_STREAM_ENDED = 15    /* the device ended the live stream's body */
};

/* Packet types of the live stream, as the data callback receives them. */
enum VexonetDataType {
    VEXONET_DATA_HEADER = 0,  /* stream header: JSON codec, width, height, fps */
    VEXONET_DATA_VIDEO = 1,   /* one access unit (H.264 Annex-B) or one JPEG */
    VEXONET_DATA_AUDIO = 2,   /* reserved */
    VEXONET_DATA_METADATA = 3 /* JSON; the camera's carries the picture's capture time */
};

/* The mode argument of VEXONET_StartRealData: the stream travels over
 * HTTP from the login's device. It is the only mode. */
#define VEXONET_LINK_HTTP 3

/* Receives each packet of a live stream on the stream's own thread:
 * the real-data handle, the packet type (VexonetDataType; other types
 * are dropped before this), the payload and its length (valid only during
 * the call), 0 (reserved), and the caller's user value. */
typedef void (*VEXONET_RealDataCallback)(int32_t handle, int32_t dataType, const uint8_t* buffer,
                                         int32_t length, int32_t reserved, void* user);

/* Reference-counted start and end of the library: each Init is matched by
 * one Cleanup; the last Cleanup ends every login. Return 1 on success. */
VEXONET_API int VEXONET_Init(void);
VEXONET_API void VEXONET_Cleanup(void);

/* Logs into the device at `address` ("host", "host:port" or "[ipv6]:port").
 * The user name, password and default port are those of the setup XML's
 * protocol entry that serves "Ptz". Returns a login id >= 0, or -1. */
VEXONET_API int32_t VEXONET_LoginEx(const char* address, const char* setupXml);

/* Ends a login and frees its resources. Returns 1, or 0 for an unknown id. */
VEXONET_API int VEXONET_Logout(int32_t loginId);

/* The code of the last failure on the calling thread (VexonetError). */
VEXONET_API int32_t VEXONET_GetLastError(void);

/* A short English description of an error code, for operators' tools. */
VEXONET_API const char* VEXONET_GetErrorText(int32_t code);

/* Sends one analytics command (a JSON text) and waits for the reply.
 * On success *reply points to the NUL-terminated reply text and *replyLength
 * holds its length; the buffer belongs to the library and stays valid until
 * the calling thread's next VEXONET_OperateSmartFun on the same login id (or
 * the thread's end). The caller copies it and never frees it.
 * Thread-safe: calls on one login from several threads run side by side
 * on up to four kept-alive connections.
 * Returns 1 on success, 0 on failure (*reply is then left untouched). */
VEXONET_API int VEXONET_OperateSmartFun(int32_t loginId, const char* request, char** reply,
                                        int32_t* replyLength);

/* Starts (stop = 0) or stops (stop = 1) a PTZ command on a channel.
 * Returns 1 when the device accepted it, 0 otherwise. */
VEXONET_API int VEXONET_PTZControl(int32_t loginId, int32_t channel, int32_t command,
                                   int32_t param1, int32_t param2, int32_t stop);

/* Starts the live stream `request` = {channel 0, 0, stream code} (2 main
 * stream, 5 sub stream) of a login. `mode` must be VEXONET_LINK_HTTP.
 * Returns once the device has accepted the stream, with a real-data
 * handle >= 0; the stream header is the first packet the callback gets.
 * Returns -1 when the device refused or cannot be reached. A stream whose
 * device goes away ends by itself: VEXONET_GetRealDataState tells. */
VEXONET_API int32_t VEXONET_StartRealData(int32_t loginId, const int32_t* request,
                                          VEXONET_RealDataCallback callback, int32_t mode,
                                          void* user);

/* Ends a live stream and frees its handle; after the call no callback of
 * that handle runs any more (called from the callback itself, the stream
 * ends when the callback returns). Takes at most a few tens of
 * milliseconds whatever the device does, except while the stream logs in
 * again after a refused session: then up to that login's time-out.
 * Returns 1, or 0 for an unknown handle. */
VEXONET_API int VEXONET_StopRealData(int32_t handle);

/* 1 while the stream of `handle` runs; 0 when it has ended on its own
 * (device gone, broken or ended stream), the reason then being what
 * VEXONET_GetLastError returns; -1 for an unknown handle. The handle
 * stays allocated until VEXONET_StopRealData. */
VEXONET_API int VEXONET_GetRealDataState(int32_t handle);

/* Time-outs of later exchanges, in milliseconds: to connect (default 2000)
 * and for one whole exchange (default 10000). A value <= 0 keeps the
 * current setting. */
VEXONET_API void VEXONET_SetTimeouts(int32_t connectMs, int32_t exchangeMs);

#ifdef __cplusplus
}
#endif

#endif /* VEXONET_H */
