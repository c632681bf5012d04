#pragma once
// A play-library port for tests that draw through the real library.
#include <QByteArray>
#include <vector>

#include "geometry_records.h"
#include "vexoplay.h"

struct PlayPortFixture {
    PlayPortFixture() {
        VEXOPLAY_Init();
        const QByteArray header = R"({"codec":"h264","width":704,"height":576})";
        port = VEXOPLAY_OpenStream(reinterpret_cast<const uint8_t*>(header.data()),
                                   static_cast<int32_t>(header.size()));
    }
    ~PlayPortFixture() {
        VEXOPLAY_CloseStream(port);
        VEXOPLAY_Cleanup();
    }
    struct Item {
        int32_t id = -1, kind = 0, shown = 0;
    };
    Item At(int32_t index) const {
        Item item;
        VEXOPLAY_GetOverlayItem(port, index, &item.id, &item.kind, &item.shown);
        return item;
    }
    int32_t Count() const { return VEXOPLAY_GetOverlayItemCount(port); }
    std::vector<int32_t> Kinds(const vexo::ItemList& items) const {
        std::vector<int32_t> kinds;
        for (const auto& item : items) {
            kinds.push_back(item.kind);
        }
        return kinds;
    }
    // Shown flag of an item by id, -1 when the library has no such item.
    int32_t Shown(int32_t id) const {
        for (int32_t i = 0; i < Count(); ++i) {
            const Item item = At(i);
            if (item.id == id) {
                return item.shown;
            }
        }
        return -1;
    }
    int32_t port = -1;
};
