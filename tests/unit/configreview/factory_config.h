#pragma once
// The simulator's factory configuration in the layout "config get" writes,
// built from the device profile the simulator itself loads, and JSON
// written in the tests.

#include <gtest/gtest.h>
#include <json/reader.h>

#include <fstream>
#include <sstream>
#include <string>

#include "catalog.h"
#include "config_document.h"

namespace vexo::test {

inline Json::Value FactoryConfig() {
    std::ifstream in(std::string(VEXO_SOURCE_DIR) + "/simulator/data/korvane_profile.json");
    Json::Value profile;
    Json::CharReaderBuilder builder;
    std::string error;
    EXPECT_TRUE(Json::parseFromStream(builder, in, &profile, &error)) << error;
    const auto catalog = devsim::Catalog::FromProfile(profile, error);
    EXPECT_TRUE(catalog.has_value()) << error;
    return catalog ? devsim::FactoryDocument(*catalog) : Json::Value();
}

inline Json::Value ParseTestJson(const std::string& text) {
    Json::Value value;
    Json::CharReaderBuilder builder;
    std::string error;
    std::istringstream in(text);
    EXPECT_TRUE(Json::parseFromStream(builder, in, &value, &error)) << error;
    return value;
}

// A rule of the factory configuration, by scene index, function and index.
inline Json::Value& RuleIn(Json::Value& config, int scene, const char* function, int index) {
    return config["scenes"][scene]["rules"][function][index];
}

}  // namespace vexo::test
