// The C entry points of the play library.

#include <QWidget>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "overlay_list.h"
#include "play_port.h"
#include "vexoplay.h"

namespace {

using vexoplay::OverlayItem;
using vexoplay::OverlayList;
using vexoplay::PlayPort;

std::mutex g_mutex;  // guards the two below
int g_initCount = 0;
int32_t g_nextPort = 0;

std::map<int32_t, std::shared_ptr<PlayPort>>& Ports() {
    static std::map<int32_t, std::shared_ptr<PlayPort>> ports;
    return ports;
}

std::shared_ptr<PlayPort> FindPort(int32_t port) {
    std::lock_guard lock(g_mutex);
    const auto it = Ports().find(port);
    return it == Ports().end() ? nullptr : it->second;
}

template <typename Desc>
int32_t AddItem(int32_t port, const Desc* desc) {
    const auto p = FindPort(port);
    OverlayItem item;
    if (p == nullptr || !vexoplay::ItemFromDesc(desc, item)) {
        return -1;
    }
    return p->Change([&](OverlayList& list) { return list.Add(std::move(item)); });
}

template <typename Desc>
int AddItemOut(int32_t port, const Desc* desc, int32_t* id) {
    const int32_t newId = AddItem(port, desc);
    if (id != nullptr) {
        *id = newId;
    }
    return newId >= 0 ? 1 : 0;
}

template <typename Desc>
int EditItem(int32_t port, int32_t id, const Desc* desc) {
    const auto p = FindPort(port);
    OverlayItem item;
    if (p == nullptr || !vexoplay::ItemFromDesc(desc, item)) {
        return 0;
    }
    const int kind = item.kind;
    return p->Change([&](OverlayList& list) { return list.Edit(id, kind, std::move(item)); }) ? 1
                                                                                              : 0;
}

int32_t CopyOut(const std::string& text, char* out, int32_t size) {
    if (out != nullptr && size > 0) {
        const size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
        memcpy(out, text.data(), n);
        out[n] = '\0';
    }
    return static_cast<int32_t>(std::min<size_t>(text.size(), INT32_MAX));
}

int RemoveItem(int32_t port, int32_t id, int kind) {
    const auto p = FindPort(port);
    if (p == nullptr) {
        return 0;
    }
    return p->Change([&](OverlayList& list) { return list.Remove(id, kind); }) ? 1 : 0;
}

}  // namespace

extern "C" {

int VEXOPLAY_Init(void) {
    std::lock_guard lock(g_mutex);
    ++g_initCount;
    return 1;
}

void VEXOPLAY_Cleanup(void) {
    std::map<int32_t, std::shared_ptr<PlayPort>> closing;
    {
        std::lock_guard lock(g_mutex);
        if (g_initCount == 0 || --g_initCount > 0) {
            return;
        }
        closing.swap(Ports());
    }
    for (auto& entry : closing) {
        entry.second->Close();
    }
}

int32_t VEXOPLAY_OpenStream(const uint8_t* header, int32_t length) {
    vexoplay::StreamHeader parsed;
    if (!vexoplay::ParseStreamHeader(header, length, parsed)) {
        return -1;
    }
    int32_t port;
    {
        std::lock_guard lock(g_mutex);
        if (g_initCount == 0) {
            return -1;
        }
        port = g_nextPort;
        g_nextPort = g_nextPort == INT32_MAX ? 0 : g_nextPort + 1;
    }
    // The decoder is opened outside the library lock; the port is published
    // only once it runs.
    auto opened = std::make_shared<PlayPort>(port, parsed);
    if (!opened->Open()) {
        opened->Close();
        return -1;
    }
    std::lock_guard lock(g_mutex);
    if (g_initCount == 0) {
        opened->Close();
        return -1;
    }
    Ports()[port] = std::move(opened);
    return port;
}

int VEXOPLAY_InputData(int32_t port, const uint8_t* buffer, int32_t length) {
    const auto p = FindPort(port);
    return p != nullptr && p->Input(buffer, length) ? 1 : 0;
}

int VEXOPLAY_GetMediaInfo(int32_t port, VexoplayMediaInfo* info) {
    if (info == nullptr) {
        return 0;
    }
    const auto p = FindPort(port);
    if (p == nullptr) {
        *info = VexoplayMediaInfo{};
        info->width = VEXOPLAY_NO_PICTURE_WIDTH;
        info->height = VEXOPLAY_NO_PICTURE_HEIGHT;
        return 0;
    }
    p->MediaInfo(*info);
    return 1;
}

int VEXOPLAY_SetMetadataConfig(int32_t port, const char* key, const char* value) {
    const auto p = FindPort(port);
    if (p == nullptr || key == nullptr || value == nullptr) {
        return 0;
    }
    p->SetMetadataConfig(key, value);
    return 1;
}

int VEXOPLAY_SetMetadataOption(int32_t port, const char* option) {
    const auto p = FindPort(port);
    if (p == nullptr || option == nullptr) {
        return 0;
    }
    p->SetMetadataOption(option);
    return 1;
}

int32_t VEXOPLAY_GetMetadataHits(int32_t port, const char* function, const char* rule) {
    const auto p = FindPort(port);
    if (p == nullptr || function == nullptr || rule == nullptr) {
        return -1;
    }
    return p->MetadataHits(function, rule);
}

int VEXOPLAY_SetDrawFunCallBack(int32_t port, VEXOPLAY_DrawCallback callback, void* user) {
    const auto p = FindPort(port);
    if (p == nullptr) {
        return 0;
    }
    p->SetDrawCallback(callback, user);
    return 1;
}

int VEXOPLAY_SetPlaySmoothLevel(int32_t port, int32_t level, int32_t) {
    const auto p = FindPort(port);
    if (p == nullptr) {
        return 0;
    }
    p->SetSmoothLevel(level);
    return 1;
}

int32_t VEXOPLAY_GetMetadataOption(int32_t port, char* out, int32_t size) {
    const auto p = FindPort(port);
    return p == nullptr ? -1 : CopyOut(p->MetadataOption(), out, size);
}

int32_t VEXOPLAY_GetMetadataConfig(int32_t port, const char* key, char* out, int32_t size) {
    const auto p = FindPort(port);
    if (p == nullptr || key == nullptr) {
        return -1;
    }
    const std::string value = p->MetadataConfig(key);
    if (value.empty()) {
        return -1;
    }
    return CopyOut(value, out, size);
}

int VEXOPLAY_WaitIdle(int32_t port, int32_t timeoutMs) {
    const auto p = FindPort(port);
    return p != nullptr && p->WaitIdle(timeoutMs) ? 1 : 0;
}

int VEXOPLAY_GetShownCaptureTime(int32_t port, int64_t* captureUs) {
    const auto p = FindPort(port);
    int64_t value = 0;
    if (p == nullptr || captureUs == nullptr || !p->ShownCaptureTime(value)) {
        return 0;
    }
    *captureUs = value;
    return 1;
}

int VEXOPLAY_Play(int32_t port, void* window, int32_t, int32_t) {
    const auto p = FindPort(port);
    auto* widget = qobject_cast<QWidget*>(static_cast<QObject*>(window));
    return p != nullptr && p->Play(widget) ? 1 : 0;
}

int VEXOPLAY_Stop(int32_t port) {
    const auto p = FindPort(port);
    if (p == nullptr) {
        return 0;
    }
    p->Stop();
    return 1;
}

int VEXOPLAY_CloseStream(int32_t port) {
    std::shared_ptr<PlayPort> p;
    {
        std::lock_guard lock(g_mutex);
        const auto it = Ports().find(port);
        if (it == Ports().end()) {
            return 0;
        }
        p = std::move(it->second);
        Ports().erase(it);
    }
    p->Close();
    return 1;
}

int VEXOPLAY_PlayWndResize(int32_t port, int32_t width, int32_t height) {
    const auto p = FindPort(port);
    if (p == nullptr || width < 0 || height < 0) {
        return 0;
    }
    p->Resize(width, height);
    return 1;
}

int32_t VEXOPLAY_AddDrawMultLine(int32_t port, const MultLineDesc* desc) {
    return AddItem(port, desc);
}
int32_t VEXOPLAY_AddDrawRect(int32_t port, const RectDesc* desc) {
    return AddItem(port, desc);
}
int32_t VEXOPLAY_AddDrawOSD(int32_t port, const OsdDesc* desc) {
    return AddItem(port, desc);
}
int VEXOPLAY_AddCircleGeometry(int32_t port, const CircleDesc* desc, int32_t* id) {
    return AddItemOut(port, desc, id);
}
int VEXOPLAY_AddBlockGeometry(int32_t port, const BlockDesc* desc, int32_t* id) {
    return AddItemOut(port, desc, id);
}

int VEXOPLAY_EditDrawMultLine(int32_t port, int32_t id, const MultLineDesc* desc) {
    return EditItem(port, id, desc);
}
int VEXOPLAY_EditDrawRect(int32_t port, int32_t id, const RectDesc* desc) {
    return EditItem(port, id, desc);
}
int VEXOPLAY_EditDrawOSD(int32_t port, int32_t id, const OsdDesc* desc) {
    return EditItem(port, id, desc);
}
int VEXOPLAY_SetCircleGeometry(int32_t port, int32_t id, const CircleDesc* desc) {
    return EditItem(port, id, desc);
}
int VEXOPLAY_SetBlockGeometry(int32_t port, int32_t id, const BlockDesc* desc) {
    return EditItem(port, id, desc);
}

int VEXOPLAY_DeleteDrawMultLine(int32_t port, int32_t id) {
    return RemoveItem(port, id, VEXOPLAY_ITEM_MULTLINE);
}
int VEXOPLAY_DeleteDrawRect(int32_t port, int32_t id) {
    return RemoveItem(port, id, VEXOPLAY_ITEM_RECT);
}
int VEXOPLAY_DeleteDrawOSD(int32_t port, int32_t id) {
    return RemoveItem(port, id, VEXOPLAY_ITEM_OSD);
}
int VEXOPLAY_RemoveCircleGeometry(int32_t port, int32_t id) {
    return RemoveItem(port, id, VEXOPLAY_ITEM_CIRCLE);
}
int VEXOPLAY_RemoveBlockGeometry(int32_t port, int32_t id) {
    return RemoveItem(port, id, VEXOPLAY_ITEM_BLOCK);
}

int VEXOPLAY_ShowRenderGeometry(int32_t port, int32_t renderClass, int32_t id, int show) {
    const auto p = FindPort(port);
    if (p == nullptr) {
        return 0;
    }
    return p->Change([&](OverlayList& list) { return list.SetShown(id, renderClass, show != 0); })
               ? 1
               : 0;
}

int32_t VEXOPLAY_GetOverlayItemCount(int32_t port) {
    const auto p = FindPort(port);
    if (p == nullptr) {
        return -1;
    }
    return p->Read(
        [](const OverlayList& list) { return static_cast<int32_t>(list.Items().size()); });
}

int VEXOPLAY_GetOverlayItem(int32_t port, int32_t index, int32_t* id, int32_t* kind,
                            int32_t* shown) {
    const auto p = FindPort(port);
    if (p == nullptr) {
        return 0;
    }
    return p->Read([&](const OverlayList& list) {
        if (index < 0 || static_cast<size_t>(index) >= list.Items().size()) {
            return 0;
        }
        const OverlayItem& item = list.Items()[static_cast<size_t>(index)];
        if (id != nullptr) {
            *id = item.id;
        }
        if (kind != nullptr) {
            *kind = item.kind;
        }
        if (shown != nullptr) {
            *shown = item.shown ? 1 : 0;
        }
        return 1;
    });
}

}  // extern "C"
