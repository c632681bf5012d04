// The page's parts (function tabs, rule panel, schedule and linkage) join
// here; the window, title strip, pane and timers come from its base.
#include "smart_config_set.h"
