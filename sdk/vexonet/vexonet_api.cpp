// The C entry points of the network library.

#include <curl/curl.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <unordered_map>

#include "device_address.h"
#include "device_link.h"
#include "login_table.h"
#include "real_data_stream.h"
#include "setup_xml.h"
#include "stream_table.h"
#include "vexonet.h"

namespace {

using vexonet::DeviceLink;

thread_local int32_t t_lastError = VEXONET_OK;
// Reply texts handed out by VEXONET_OperateSmartFun, per login id and per
// calling thread: a reply stays valid until the same thread sends the next
// command on the same login, so a second thread can never overwrite the
// text a first thread is still reading.
thread_local std::unordered_map<int32_t, std::string> t_replies;

std::mutex g_initMutex;
int g_initCount = 0;
std::atomic<long> g_connectMs{2000};
std::atomic<long> g_exchangeMs{10000};

vexonet::LoginTable& Logins() {
    static vexonet::LoginTable table;
    return table;
}

vexonet::StreamTable& Streams() {
    static vexonet::StreamTable table;
    return table;
}

bool Initialised() {
    std::lock_guard lock(g_initMutex);
    return g_initCount > 0;
}

vexonet::Timeouts CurrentTimeouts() {
    return {g_connectMs.load(), g_exchangeMs.load()};
}

template <typename T>
T Fail(int32_t code, T result) {
    t_lastError = code;
    return result;
}

}  // namespace

extern "C" {

int VEXONET_Init(void) {
    std::lock_guard lock(g_initMutex);
    if (g_initCount == 0 && curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        return Fail(VEXONET_ERR_NETWORK, 0);
    }
    ++g_initCount;
    t_lastError = VEXONET_OK;
    return 1;
}

void VEXONET_Cleanup(void) {
    std::lock_guard lock(g_initMutex);
    if (g_initCount == 0) {
        return;
    }
    if (--g_initCount == 0) {
        Streams().TakeAll();  // each stream stops as its last reference goes
        Logins().Clear();
        curl_global_cleanup();
    }
}

int32_t VEXONET_LoginEx(const char* address, const char* setupXml) {
    if (!Initialised()) {
        return Fail(VEXONET_ERR_NOT_INITIALISED, -1);
    }
    if (address == nullptr || setupXml == nullptr) {
        return Fail(VEXONET_ERR_PARAMETER, -1);
    }
    const auto parsed = vexonet::ParseDeviceAddress(address);
    if (!parsed) {
        return Fail(VEXONET_ERR_PARAMETER, -1);
    }
    const auto credentials = vexonet::ReadSetupCredentials(setupXml);
    if (!credentials || (parsed->port == 0 && credentials->port == 0)) {
        return Fail(VEXONET_ERR_SETUP, -1);
    }
    auto link = std::make_unique<DeviceLink>(parsed->BaseUrl(credentials->port), credentials->user,
                                             credentials->password);
    const int error = link->Login(CurrentTimeouts());
    if (error != VEXONET_OK) {
        return Fail(error, -1);
    }
    const int id = Logins().Add(std::move(link));
    if (id < 0) {
        return Fail(VEXONET_ERR_TOO_MANY, -1);
    }
    t_lastError = VEXONET_OK;
    return id;
}

int VEXONET_Logout(int32_t loginId) {
    if (!Logins().Remove(loginId)) {
        return Fail(VEXONET_ERR_LOGIN_ID, 0);
    }
    t_lastError = VEXONET_OK;
    return 1;
}

int32_t VEXONET_GetLastError(void) {
    return t_lastError;
}

const char* VEXONET_GetErrorText(int32_t code) {
    switch (code) {
        case VEXONET_OK:
            return "no error";
        case VEXONET_ERR_NOT_INITIALISED:
            return "library not initialised";
        case VEXONET_ERR_PARAMETER:
            return "invalid parameter or device address";
        case VEXONET_ERR_SETUP:
            return "setup XML names no PTZ protocol entry";
        case VEXONET_ERR_CONNECT:
            return "cannot connect to the device";
        case VEXONET_ERR_TIMEOUT:
            return "the device did not answer in time";
        case VEXONET_ERR_AUTH:
            return "user name or password refused";
        case VEXONET_ERR_SESSION:
            return "the device refused the session";
        case VEXONET_ERR_LOGIN_ID:
            return "unknown login id";
        case VEXONET_ERR_HTTP_STATUS:
            return "the device answered with an error status";
        case VEXONET_ERR_PROTOCOL:
            return "malformed answer from the device";
        case VEXONET_ERR_TOO_LARGE:
            return "answer larger than 16 MiB";
        case VEXONET_ERR_NETWORK:
            return "connection lost";
        case VEXONET_ERR_TOO_MANY:
            return "too many logins or handles";
        case VEXONET_ERR_HANDLE:
            return "unknown real-data handle";
        case VEXONET_ERR_STREAM_ENDED:
            return "the device ended the live stream";
        default:
            return "unknown error";
    }
}

int VEXONET_OperateSmartFun(int32_t loginId, const char* request, char** reply,
                            int32_t* replyLength) {
    if (request == nullptr || reply == nullptr) {
        return Fail(VEXONET_ERR_PARAMETER, 0);
    }
    const std::shared_ptr<DeviceLink> link = Logins().Find(loginId);
    if (!link) {
        return Fail(VEXONET_ERR_LOGIN_ID, 0);
    }
    // Calls on one login may run side by side (DeviceLink keeps a pool).
    std::string answer;
    const int error = link->Exchange("/vexo/v1/smart", request, CurrentTimeouts(), answer);
    if (error != VEXONET_OK) {
        return Fail(error, 0);
    }
    std::string& buffer = t_replies[loginId];
    buffer = std::move(answer);
    *reply = buffer.data();
    if (replyLength != nullptr) {
        *replyLength = static_cast<int32_t>(buffer.size());
    }
    t_lastError = VEXONET_OK;
    return 1;
}

int VEXONET_PTZControl(int32_t loginId, int32_t channel, int32_t command, int32_t param1,
                       int32_t param2, int32_t stop) {
    const std::shared_ptr<DeviceLink> link = Logins().Find(loginId);
    if (!link) {
        return Fail(VEXONET_ERR_LOGIN_ID, 0);
    }
    char body[160];
    std::snprintf(body, sizeof body,
                  "{\"channel\": %d, \"command\": %d, \"param1\": %d, \"param2\": %d, "
                  "\"stop\": %d}",
                  static_cast<int>(channel), static_cast<int>(command), static_cast<int>(param1),
                  static_cast<int>(param2), stop != 0 ? 1 : 0);
    // Calls on one login may run side by side (DeviceLink keeps a pool).
    std::string answer;
    const int error = link->Exchange("/vexo/v1/ptz", body, CurrentTimeouts(), answer);
    if (error != VEXONET_OK) {
        return Fail(error, 0);
    }
    t_lastError = VEXONET_OK;
    return 1;
}

int32_t VEXONET_StartRealData(int32_t loginId, const int32_t* request,
                              VEXONET_RealDataCallback callback, int32_t mode, void* user) {
    if (request == nullptr || callback == nullptr || mode != VEXONET_LINK_HTTP || request[0] != 0 ||
        request[2] < 0) {
        return Fail(VEXONET_ERR_PARAMETER, -1);
    }
    std::shared_ptr<DeviceLink> link = Logins().Find(loginId);
    if (!link) {
        return Fail(VEXONET_ERR_LOGIN_ID, -1);
    }
    auto stream = std::make_shared<vexonet::RealDataStream>(std::move(link), request[2],
                                                            CurrentTimeouts(), callback, user);
    const int handle = Streams().Add(stream);
    if (handle < 0) {
        return Fail(VEXONET_ERR_TOO_MANY, -1);
    }
    const int error = stream->Start(handle);
    if (error != VEXONET_OK) {
        Streams().Take(handle);
        return Fail(error, -1);
    }
    t_lastError = VEXONET_OK;
    return handle;
}

int VEXONET_StopRealData(int32_t handle) {
    const std::shared_ptr<vexonet::RealDataStream> stream = Streams().Take(handle);
    if (!stream) {
        return Fail(VEXONET_ERR_HANDLE, 0);
    }
    stream->Stop();
    t_lastError = VEXONET_OK;
    return 1;
}

int VEXONET_GetRealDataState(int32_t handle) {
    const std::shared_ptr<vexonet::RealDataStream> stream = Streams().Find(handle);
    if (!stream) {
        return Fail(VEXONET_ERR_HANDLE, -1);
    }
    int reason = VEXONET_OK;
    const bool running = stream->Running(reason);
    t_lastError = reason;
    return running ? 1 : 0;
}

void VEXONET_SetTimeouts(int32_t connectMs, int32_t exchangeMs) {
    if (connectMs > 0) {
        g_connectMs = connectMs;
    }
    if (exchangeMs > 0) {
        g_exchangeMs = exchangeMs;
    }
}

}  // extern "C"
