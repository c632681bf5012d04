// A tour reply read as the tours read it: row numbering, times, stay times
// and a range answer made of the rows' attributes.

#include "fuzz_reply.h"
#include "scene_tour_rules.h"
#include "tour_forms.h"

namespace tour = vexo::tour;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Json::Value info;
    if (!vexo::fuzz::ReplyInfo(data, size, info)) {
        return 0;
    }
    TourRecord record;
    ReadSceneTourData(info, record);
    const int first = tour::FirstRowNumber(record);
    vexo::fuzz::Require(first >= 0 && first <= 1000000, "first row number is bounded");
    std::vector<tour::TimeWindow> windows;
    // A plain loop variable: clang 14 refuses structured bindings captured by
    // the lambda below.
    for (const auto& item : record.entries) {
        const auto& entry = item.second;
        ParamRange range;
        range.rangeMap = entry.attributes;
        const auto stay = tour::StayRangeOf(range);
        int value = 0;
        const auto find = [&](const char* key) {
            const auto it = entry.attributes.find(QString::fromLatin1(key));
            return it == entry.attributes.end() ? QString() : it->second;
        };
        if (tour::IsStayTimeAllowed(find(tour::kStayTimeAttribute), stay, value) && stay) {
            vexo::fuzz::Require(value >= stay->minimum && value <= stay->maximum, "stay in range");
        }
        const int start = tour::MinutesOfTime(find(tour::kStartTimeAttribute));
        const int end = tour::MinutesOfTime(find(tour::kEndTimeAttribute));
        vexo::fuzz::Require(start >= -1 && start <= 1440 && end >= -1 && end <= 1440,
                            "times within the day");
        windows.push_back({start, end});
    }
    for (int row = 0; row < static_cast<int>(windows.size()) && row < 40; ++row) {
        tour::CheckStartChange(windows, row, 600);
        tour::CheckEndChange(windows, row, 600);
        tour::RowName(tour::TimerRowNumber(first, row));
    }
    return 0;
}
