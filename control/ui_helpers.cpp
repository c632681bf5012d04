#include "ui_helpers.h"

#include "image_catalog.h"
#include "message_display.h"
#include "popup_forms.h"

namespace vexo {

namespace {
MessageDisplay* g_display = nullptr;
}  // namespace

void SetMessageDisplay(MessageDisplay* display) {
    g_display = display;
}

MessageDisplay* CurrentMessageDisplay() {
    return g_display;
}

int ShowMessage(const QString& text, const QString& caption) {
    if (text.isEmpty() || !g_display) {
        return 0;
    }
    return g_display->ShowText(caption, text) == 1 ? 1 : 0;
}

int Confirm(int x, int y, int form) {
    if (!g_display) {
        return 0;
    }
    return g_display->Ask(QPoint(x, y), form, nullptr) == 1 ? 1 : 0;
}

int AskSaveChanges(int x, int y) {
    if (!g_display) {
        return kSaveChangesDiscard;
    }
    const int answer = g_display->Ask(QPoint(x, y), kPopupSaveChanges, nullptr);
    return answer == kSaveChangesSave || answer == kSaveChangesDiscard ? answer
                                                                       : kSaveChangesCancel;
}

bool ConfirmLeaveEdits(const QPoint& at, const std::function<bool()>& isModified,
                       const std::function<void()>& save, const std::function<void()>& discard) {
    if (!isModified()) {
        return true;
    }
    switch (AskSaveChanges(at.x(), at.y())) {
        case kSaveChangesSave:
            save();
            return !isModified();
        case kSaveChangesDiscard:
            discard();
            return true;
        default:
            return false;
    }
}

int ConfirmWithValue(int x, int y, int form, int& value) {
    if (!g_display) {
        return 0;
    }
    int chosen = value;
    if (g_display->Ask(QPoint(x, y), form, &chosen) != 1) {
        return 0;
    }
    value = chosen;
    return 1;
}

QString EditedCaption(const QString& caption, bool edited) {
    return edited ? caption + QStringLiteral(" *") : caption;
}

QString ShortenText(const QString& text, int limit) {
    if (limit >= 0 && text.size() >= limit) {
        return text.left(limit) + QStringLiteral("...");
    }
    return text;
}

QSize BitmapSize(int resource) {
    return ImageSizeById(resource);
}

}  // namespace vexo
