#include "live_analytics.h"

#include <time.h>

#include "metadata_text.h"
#include "view_targets.h"

namespace devsim::analytics {

LiveAnalytics::LiveAnalytics(RuleBookSource rules, int pictureWidth, int pictureHeight)
    : source_(std::move(rules)), width_(pictureWidth), height_(pictureHeight) {}

std::string LiveAnalytics::MetadataMembers(const camera::HeadPosition& head,
                                           long long captureMicros) {
    std::shared_ptr<const RuleBook> book = source_();
    if (!book) {
        return {};
    }
    if (book != book_) {
        evaluator_.SetRules(book->rules);
        book_ = std::move(book);
    }
    if (!book_->metadata) {
        return {};
    }
    const std::vector<camera::ViewTarget> targets =
        camera::TargetsInView(head, width_, height_, captureMicros);
    int weekday = 0;
    int minute = 0;
    LocalWeekMinute(captureMicros, weekday, minute);
    const PictureVerdict verdict = evaluator_.Evaluate(targets, captureMicros, weekday, minute);
    return analytics::MetadataMembers(*book_, book_->targetBoxes ? &targets : nullptr, verdict);
}

void LocalWeekMinute(long long realtimeMicros, int& weekday, int& minute) {
    const time_t seconds = static_cast<time_t>(realtimeMicros / 1000000);
    tm local{};
    localtime_r(&seconds, &local);
    weekday = (local.tm_wday + 6) % 7;
    minute = local.tm_hour * 60 + local.tm_min;
}

}  // namespace devsim::analytics
