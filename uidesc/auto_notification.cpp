#include "auto_notification.h"

namespace vexo {

bool RouteAutoNotification(const QWidget* control, const AutoNotification& notification) {
    for (QWidget* owner = control ? control->parentWidget() : nullptr; owner;
         owner = owner->parentWidget()) {
        if (auto* target = dynamic_cast<AutoCommandTarget*>(owner)) {
            if (target->OnAutoNotify(notification)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace vexo
