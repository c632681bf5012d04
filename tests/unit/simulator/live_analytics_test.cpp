// The simulated camera's analytics: rules of the selected scene run on the
// cars and walkers of the street, picture by picture, as the stream does.

#include <gtest/gtest.h>
#include <json/reader.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "live_analytics.h"
#include "metadata_text.h"
#include "rule_book.h"
#include "rule_evaluator.h"
#include "street_movers.h"
#include "view_targets.h"

namespace devsim::analytics {
namespace {

using camera::HeadPosition;
using camera::ViewTarget;

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr long long kPicture = 40000;                 // 25 pictures per second
constexpr long long kStart = 1700000000LL * 1000000;  // any instant
constexpr int kTuesday = 1;
constexpr int kNoon = 12 * 60;

// Looking down at the street so that both lanes show whole.
const HeadPosition kStreet{0.0, -0.2, 0.0};

Json::Value Geometry(const std::string& text) {
    Json::Value object;
    object["name"] = "";
    object["polygon"][0]["VexoPolygon"] = text;
    return object;
}

Json::Value Schedule(const std::string& period) {
    Json::Value schedule;
    for (const char* day : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}) {
        schedule[day]["name"] = "";
        schedule[day]["simp"]["GuardTime 1"] = period;
    }
    return schedule;
}

Json::Value Rule(const std::string& token, const Json::Value& params,
                 const std::string& armed = "0|1440") {
    Json::Value rule;
    rule["token"] = token;
    rule["params"] = params;
    rule["schedule"] = Schedule(armed);
    return rule;
}

// A configuration with two scenes; "Scene_001" is selected.
class Config {
public:
    Config() {
        doc_["smartStatus"] = "TRUE";
        doc_["selectedScene"] = "Scene_001";
        for (const char* token : {"Scene_001", "Scene_002"}) {
            Json::Value scene;
            scene["token"] = token;
            scene["functions"] = Json::Value(Json::arrayValue);
            scene["rules"] = Json::Value(Json::objectValue);
            doc_["scenes"].append(scene);
        }
    }
    void Offer(int scene, const std::string& function) {
        doc_["scenes"][scene]["functions"].append(function);
    }
    void Add(int scene, const std::string& function, const Json::Value& rule) {
        doc_["scenes"][scene]["rules"][function].append(rule);
    }
    const Json::Value& Doc() const { return doc_; }

private:
    Json::Value doc_;
};

struct PictureRun {
    std::vector<RuleEvent> events;
    std::vector<long long> eventTimes;
    std::vector<RuleCounter> counters;  // of the last picture
};

// `seconds` of pictures through `head`, from kStart, on a Tuesday at noon.
PictureRun Pictures(const Json::Value& doc, const HeadPosition& head, int seconds,
                    int weekday = kTuesday) {
    RuleEvaluator evaluator;
    evaluator.SetRules(ReadRuleBook(doc).rules);
    PictureRun run;
    for (long long t = kStart; t < kStart + seconds * 1000000LL; t += kPicture) {
        PictureVerdict verdict =
            evaluator.Evaluate(camera::TargetsInView(head, kWidth, kHeight, t), t, weekday, kNoon);
        for (RuleEvent& event : verdict.events) {
            run.events.push_back(std::move(event));
            run.eventTimes.push_back(t);
        }
        run.counters = std::move(verdict.counters);
    }
    return run;
}

// Counted from the movers' own motion, not from the targets: how often a
// car's middle passes the middle column of the view, by way of travel.
struct Passes {
    int rightward = 0;
    int leftward = 0;
};
Passes CarsPassingTheMiddle(const HeadPosition& head, int seconds) {
    const camera::Crop crop = camera::CropFor(head, kWidth, kHeight);
    Passes passes;
    std::map<int, double> before;
    for (long long t = kStart; t < kStart + seconds * 1000000LL; t += kPicture) {
        std::map<int, double> now;
        for (const auto& placed : camera::MoversInCrop(crop, camera::SecondsInHour(t))) {
            const camera::Mover& mover = camera::Movers()[static_cast<size_t>(placed.index)];
            if (!mover.car) {
                continue;
            }
            const double middle = placed.offset + mover.length / 2.0 - crop.width / 2.0;
            now[placed.index] = middle;
            const auto was = before.find(placed.index);
            if (was != before.end() && (was->second < 0) != (middle < 0)) {
                ++(middle >= 0 ? passes.rightward : passes.leftward);
            }
        }
        before = std::move(now);
    }
    return passes;
}

Json::Value WireAcrossTheRoad(const std::string& direction) {
    Json::Value params;
    params["Enable"] = "true";
    params["Wire"] = Geometry("2|(0.000000,-0.200000),(0.000000,-0.950000)");
    params["Direction"] = direction;
    params["TargetType"] = "Vehicle";
    params["Sensitivity"] = "50";
    return params;
}

TEST(LiveAnalytics, WireAcrossTheRoadCountsCarsInItsDirectionOnly) {
    // The wire runs downward, so arrow A (its right side) points left:
    // "AtoB" are the cars driving left, "BtoA" those driving right.
    const Passes passes = CarsPassingTheMiddle(kStreet, 60);
    ASSERT_GT(passes.leftward, 0);
    ASSERT_GT(passes.rightward, 0);
    for (const auto& [direction, expected] :
         {std::pair<std::string, int>{"AtoB", passes.leftward}, {"BtoA", passes.rightward}}) {
        Config config;
        config.Offer(0, "zelk:Wire_Cross_Event");
        config.Add(0, "zelk:Wire_Cross_Event", Rule("Wire 01", WireAcrossTheRoad(direction)));
        const PictureRun run = Pictures(config.Doc(), kStreet, 60);
        EXPECT_EQ(static_cast<int>(run.events.size()), expected) << direction;
        for (const RuleEvent& event : run.events) {
            EXPECT_EQ(event.kind, RuleKind::WireCross);
            EXPECT_EQ(event.rule, "Wire 01");
            EXPECT_STREQ(event.direction, direction.c_str());
            const camera::Mover& car = camera::Movers()[static_cast<size_t>(event.target - 1)];
            EXPECT_TRUE(car.car);
            EXPECT_EQ(car.speed < 0, direction == "AtoB") << "target " << event.target;
        }
    }
}

TEST(LiveAnalytics, IntrusionOnThePavementFiresAfterItsThresholdAndNotBefore) {
    Json::Value params;
    params["Enable"] = "true";
    // The near pavement, where walkers' feet are, across the whole view.
    params["DetectionRegion"] = Geometry(
        "4|(-1.000000,-0.300000),(1.000000,-0.300000),(1.000000,-0.480000),(-1.000000,-0.480000)");
    params["TimeThreshold"] = "3";
    params["TargetType"] = "Human";
    params["Sensitivity"] = "50";
    Config config;
    config.Offer(0, "zelk:Intrusion_Event");
    config.Add(0, "zelk:Intrusion_Event", Rule("Intrusion 01", params));
    const HeadPosition level{0, 0, 0};
    const PictureRun run = Pictures(config.Doc(), level, 30);

    // When each walker first stood on the pavement, from the targets.
    std::map<int, long long> entered;
    for (long long t = kStart; t < kStart + 30000000LL; t += kPicture) {
        for (const ViewTarget& target : camera::TargetsInView(level, kWidth, kHeight, t)) {
            const double footY = target.bottom;
            if (!target.vehicle && footY < -0.3 && footY > -0.48) {
                entered.try_emplace(target.id, t);
            }
        }
    }
    int starts = 0;
    for (size_t i = 0; i < run.events.size(); ++i) {
        const RuleEvent& event = run.events[i];
        if (!event.start) {
            continue;
        }
        ++starts;
        ASSERT_EQ(entered.count(event.target), 1U);
        EXPECT_FALSE(camera::Movers()[static_cast<size_t>(event.target - 1)].car);
        const long long waited = run.eventTimes[i] - entered[event.target];
        EXPECT_GE(waited, 3000000) << "target " << event.target;
        EXPECT_LT(waited, 3000000 + kPicture) << "target " << event.target;
    }
    EXPECT_GT(starts, 0);
}

TEST(LiveAnalytics, RulesAtRestNeverFire) {
    Config config;
    config.Offer(0, "zelk:Wire_Cross_Event");
    config.Offer(1, "zelk:Wire_Cross_Event");
    Json::Value disabled = WireAcrossTheRoad("BothWays");
    disabled["Enable"] = "false";
    config.Add(0, "zelk:Wire_Cross_Event", Rule("Disabled", disabled));
    // Armed on every day from 01:00 to 02:00 only; the run is at noon.
    config.Add(0, "zelk:Wire_Cross_Event",
               Rule("Unarmed", WireAcrossTheRoad("BothWays"), "60|120"));
    config.Add(1, "zelk:Wire_Cross_Event", Rule("Other scene", WireAcrossTheRoad("BothWays")));
    // Stored for a function the scene does not run at the moment.
    config.Add(0, "zelk:Intrusion_Event", Rule("Function off", [] {
                   Json::Value params;
                   params["DetectionRegion"] = Geometry(
                       "4|(-1.000000,1.000000),(1.000000,1.000000),(1.000000,-1.000000),(-1.000000,"
                       "-1.000000)");
                   return params;
               }()));
    // The one rule that may fire, so that the run shows traffic at all.
    config.Add(0, "zelk:Wire_Cross_Event", Rule("Armed", WireAcrossTheRoad("BothWays")));

    const PictureRun run = Pictures(config.Doc(), kStreet, 60);
    ASSERT_FALSE(run.events.empty());
    for (const RuleEvent& event : run.events) {
        EXPECT_EQ(event.rule, "Armed");
    }
    // With the analytics switched off as a whole nothing fires either.
    Json::Value off = config.Doc();
    off["smartStatus"] = "FALSE";
    EXPECT_TRUE(Pictures(off, kStreet, 20).events.empty());
}

TEST(LiveAnalytics, PeopleCountingCrowdAndFastMoving) {
    Config config;
    for (const char* function :
         {"zelk:People_Counting_Event", "zelk:Crowd_Action_Event", "zelk:Fast_Moving_Event"}) {
        config.Offer(0, function);
    }
    Json::Value counting;
    // Across the near pavement; "in" is to the right.
    counting["CountingLine"] = Geometry("2|(0.000000,-0.200000),(0.000000,-0.500000)");
    counting["DirectionLine"] = Geometry("2|(-0.100000,-0.350000),(0.100000,-0.350000)");
    counting["CountingDirection"] = "InAndOut";
    config.Add(0, "zelk:People_Counting_Event", Rule("Count", counting));
    Json::Value crowd;
    crowd["DetectionRegion"] = Geometry(
        "4|(-1.000000,1.000000),(1.000000,1.000000),(1.000000,-1.000000),(-1.000000,-1.000000)");
    crowd["MinPeople"] = "2";
    config.Add(0, "zelk:Crowd_Action_Event", Rule("Crowd", crowd));
    Json::Value fast = crowd;
    fast["SpeedThreshold"] = "20";  // 0.2 units a second: cars, never walkers
    fast["Sensitivity"] = "100";
    config.Add(0, "zelk:Fast_Moving_Event", Rule("Fast", fast));

    const PictureRun run = Pictures(config.Doc(), HeadPosition{0, 0, 0}, 60);
    std::map<std::string, int> in;
    for (const RuleEvent& event : run.events) {
        if (event.rule == "Count") {
            ++in[event.direction];
            EXPECT_FALSE(camera::Movers()[static_cast<size_t>(event.target - 1)].car);
        } else if (event.rule == "Fast") {
            EXPECT_TRUE(camera::Movers()[static_cast<size_t>(event.target - 1)].car);
        } else {
            EXPECT_EQ(event.rule, "Crowd");
            EXPECT_EQ(event.target, 0);
            EXPECT_EQ(event.start, event.count >= 2);
        }
    }
    ASSERT_EQ(run.counters.size(), 1U);
    EXPECT_EQ(run.counters[0].in, in["in"]);
    EXPECT_EQ(run.counters[0].out, in["out"]);
    EXPECT_GT(run.counters[0].in + run.counters[0].out, 0);
    EXPECT_TRUE(std::any_of(run.events.begin(), run.events.end(),
                            [](const RuleEvent& e) { return e.rule == "Fast"; }));
    EXPECT_TRUE(std::any_of(run.events.begin(), run.events.end(),
                            [](const RuleEvent& e) { return e.rule == "Crowd" && e.start; }));
}

TEST(LiveAnalytics, MetadataIsOneJsonObjectWithTargetsEventsAndCounters) {
    auto book = std::make_shared<RuleBook>();
    book->scene = "Scene_\"1\"";
    LiveRule counting;
    counting.kind = RuleKind::PeopleCounting;
    counting.token = "Count \\ 1";
    counting.line = {{0, -0.2}, {0, -0.5}};
    counting.inward = {{-0.1, -0.35}, {0.1, -0.35}};
    counting.armed.fill({{0, 1440}});
    book->rules.push_back(counting);
    book->functions.push_back(RuleKind::PeopleCounting);
    LiveAnalytics analytics([book] { return book; }, kWidth, kHeight);
    const HeadPosition level{0, 0, 0};
    const std::string text = "{\"frame\": 0" + analytics.MetadataMembers(level, kStart) + "}";
    Json::Value parsed;
    ASSERT_TRUE(Json::Reader().parse(text, parsed)) << text;
    EXPECT_EQ(parsed["scene"].asString(), "Scene_\"1\"");
    EXPECT_EQ(parsed["functions"][0].asString(), "zelk:People_Counting_Event");
    const auto targets = camera::TargetsInView(level, kWidth, kHeight, kStart);
    ASSERT_EQ(parsed["targets"].size(), targets.size());
    ASSERT_FALSE(targets.empty());
    const Json::Value& first = parsed["targets"][0];
    EXPECT_EQ(first["id"].asInt(), targets[0].id);
    EXPECT_EQ(first["class"].asString(), targets[0].vehicle ? "vehicle" : "person");
    EXPECT_NEAR(first["box"][0].asDouble(), targets[0].left, 1e-4);
    EXPECT_NEAR(first["box"][3].asDouble(), targets[0].bottom, 1e-4);
    EXPECT_TRUE(parsed["events"].isArray());
    EXPECT_EQ(parsed["counters"][0]["rule"].asString(), "Count \\ 1");
    EXPECT_EQ(parsed["counters"][0]["function"].asString(), "zelk:People_Counting_Event");

    // Metadata switched off in the device's settings: the picture says
    // nothing of targets; target boxes off: events without boxes.
    auto quiet = std::make_shared<RuleBook>(*book);
    quiet->metadata = false;
    LiveAnalytics silent([quiet] { return quiet; }, kWidth, kHeight);
    EXPECT_EQ(silent.MetadataMembers(level, kStart), "");
    auto noBoxes = std::make_shared<RuleBook>(*book);
    noBoxes->targetBoxes = false;
    LiveAnalytics boxless([noBoxes] { return noBoxes; }, kWidth, kHeight);
    const std::string members = boxless.MetadataMembers(level, kStart);
    EXPECT_EQ(members.find("targets"), std::string::npos);
    EXPECT_NE(members.find("events"), std::string::npos);
}

TEST(PlaneGeometry, CrossingsAndGeometryTexts) {
    const Point a{0, 1};
    const Point b{0, -1};
    EXPECT_TRUE(Crosses(a, b, {-0.1, 0}, {0.1, 0}));
    EXPECT_TRUE(Crosses(a, b, {0.1, 0.5}, {-0.1, 0.5}));
    EXPECT_TRUE(Crosses(a, b, {-0.1, 0}, {0, 0}));         // reaching the wire counts once
    EXPECT_FALSE(Crosses(a, b, {0, 0}, {0.1, 0}));         // leaving it does not count again
    EXPECT_FALSE(Crosses(a, b, {-0.1, 1.5}, {0.1, 1.5}));  // beyond an end
    EXPECT_FALSE(Crosses(a, b, {-0.2, 0}, {-0.1, 0}));
    // A wire drawn downward has its right side (arrow A) on the picture's left.
    EXPECT_LT(Side(a, b, {-0.5, 0}), 0);

    EXPECT_EQ(ParsePoints("2|(0.5,-0.25),(1.000000,1.000000)"),
              (std::vector<Point>{{0.5, -0.25}, {1, 1}}));
    EXPECT_TRUE(ParsePoints("2|(0.5,-0.25),(1.5,0)").empty());
    EXPECT_TRUE(ParsePoints("2|(0.5,-0.25").empty());
    EXPECT_TRUE(ParsePoints("(0.5,0.5)").empty());
    EXPECT_TRUE(ParsePoints("1|(nan,0)").empty());

    const std::vector<Point> square{{-1, 1}, {1, 1}, {1, -1}, {-1, -1}};
    EXPECT_TRUE(Inside(square, {0.99, -0.99}));
    EXPECT_FALSE(Inside(square, {1.01, 0}));
    EXPECT_FALSE(Inside({{0, 0}, {1, 1}}, {0.5, 0.5}));
}

}  // namespace
}  // namespace devsim::analytics
