#pragma once
// Small helpers for the device unit tests.

#include <gtest/gtest.h>
#include <json/value.h>

#include <QString>
#include <string>

#include "json_text.h"
#include "qstring_print.h"

namespace vexo::test {

// Parses a JSON text written in a test; a typo fails the test at once.
inline Json::Value J(const std::string& text) {
    Json::Value value;
    EXPECT_TRUE(vexo::ParseJson(text, value)) << text;
    return value;
}

}  // namespace vexo::test
