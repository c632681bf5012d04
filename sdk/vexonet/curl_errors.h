#pragma once
// The library's error code for a failed libcurl transfer, shared by the
// command exchange and the live stream.

#include <curl/curl.h>

#include "vexonet.h"

namespace vexonet {

inline int ErrorOfCurl(CURLcode code) {
    switch (code) {
        case CURLE_COULDNT_CONNECT:
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_URL_MALFORMAT:
            return VEXONET_ERR_CONNECT;
        case CURLE_OPERATION_TIMEDOUT:
            return VEXONET_ERR_TIMEOUT;
        default:
            return VEXONET_ERR_NETWORK;
    }
}

}  // namespace vexonet
