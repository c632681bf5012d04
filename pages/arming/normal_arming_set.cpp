#include "normal_arming_set.h"

CNormalArmingSet::CNormalArmingSet(CAudioVideoPlay* session)
    : CVideoPageDialog(3, kTemplateSize, false, session) {}

// The alarm tabs and editors read the device here once they exist.
void CNormalArmingSet::Reload() {
    ++reloads_;
}
