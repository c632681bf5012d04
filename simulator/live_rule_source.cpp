#include "live_rule_source.h"

namespace devsim {

std::shared_ptr<const analytics::RuleBook> LiveRuleSource::Current() {
    std::lock_guard lock(mutex_);
    // A change between these two reads makes the next call read again.
    const uint64_t revision = store_.Revision();
    if (revision != revision_ || !book_) {
        auto book = std::make_shared<analytics::RuleBook>();
        store_.Read([&book](const Json::Value& doc) {
            *book = analytics::ReadRuleBook(doc);
            return Json::Value();
        });
        book_ = std::move(book);
        revision_ = revision;
    }
    return book_;
}

}  // namespace devsim
