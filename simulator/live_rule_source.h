#pragma once
// The rules the camera's analytics run, read from the configuration again
// only after it changed: every stream asks for them 25 times a second.

#include <cstdint>
#include <memory>
#include <mutex>

#include "analytics_store.h"
#include "rule_book.h"

namespace devsim {

class LiveRuleSource {
public:
    explicit LiveRuleSource(const AnalyticsStore& store) : store_(store) {}

    std::shared_ptr<const analytics::RuleBook> Current();

private:
    const AnalyticsStore& store_;
    std::mutex mutex_;
    uint64_t revision_ = UINT64_MAX;
    std::shared_ptr<const analytics::RuleBook> book_;
};

}  // namespace devsim
