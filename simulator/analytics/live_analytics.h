#pragma once
// The camera's analytics for one stream: the targets in the picture, the
// selected scene's rules run on them, written into the picture's metadata.

#include <functional>
#include <memory>

#include "picture_analytics.h"
#include "rule_book.h"
#include "rule_evaluator.h"

namespace devsim::analytics {

// The rules in force now; the same pointer as long as nothing changed.
using RuleBookSource = std::function<std::shared_ptr<const RuleBook>()>;

class LiveAnalytics : public camera::PictureAnalytics {
public:
    LiveAnalytics(RuleBookSource rules, int pictureWidth, int pictureHeight);

    std::string MetadataMembers(const camera::HeadPosition& head, long long captureMicros) override;

private:
    RuleBookSource source_;
    int width_;
    int height_;
    std::shared_ptr<const RuleBook> book_;
    RuleEvaluator evaluator_;
};

// The local weekday (0 Monday) and minute of the day of a wall-clock
// instant, which the arming schedules speak of.
void LocalWeekMinute(long long realtimeMicros, int& weekday, int& minute);

}  // namespace devsim::analytics
