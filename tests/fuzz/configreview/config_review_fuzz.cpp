// Reads one or two configuration texts (or records, sent and stored),
// compares them both ways and checks their rules. A difference must mirror when its sides are
// swapped, and a configuration must not differ from itself.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "config_diff.h"
#include "config_lint.h"
#include "config_reader.h"
#include "diff_format.h"
#include "export_diff.h"
#include "record_compare.h"
#include "shape_checks.h"

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

vexo::review::ChangeKind Mirrored(vexo::review::ChangeKind kind) {
    using vexo::review::ChangeKind;
    return kind == ChangeKind::Added     ? ChangeKind::Removed
           : kind == ChangeKind::Removed ? ChangeKind::Added
                                         : ChangeKind::Changed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (size < 400) {
        // Short inputs double as shape texts.
        if (const auto points = vexo::review::ParsePolygonText(input)) {
            vexo::review::OnOneLine(*points);
            vexo::review::SelfIntersecting(*points);
        }
    }
    const size_t cut = input.find("\n----\n");
    const std::string_view firstText = input.substr(0, cut);
    const std::string_view secondText =
        cut == std::string_view::npos ? std::string_view() : input.substr(cut + 6);

    Json::Value first;
    Json::Value second;
    std::string error;
    if (!vexo::review::ReadConfigText(firstText, first, error)) {
        return 0;
    }
    vexo::review::LintText(vexo::review::LintConfig(first), "english");
    Require(vexo::review::DiffConfigs(first, first).empty(), "no difference from itself");
    Require(vexo::review::CompareStored(first, first).empty(), "a record is stored as sent");
    if (!vexo::review::ReadConfigText(secondText, second, error)) {
        return 0;
    }
    const auto forward = vexo::review::DiffConfigs(first, second);
    const auto backward = vexo::review::DiffConfigs(second, first);
    Require(forward.size() == backward.size(), "as many changes both ways");
    for (size_t i = 0; i < forward.size() && i < backward.size(); ++i) {
        Require(backward[i].kind == Mirrored(forward[i].kind), "changes mirror");
        Require(backward[i].member == forward[i].member, "same members both ways");
    }
    vexo::review::CompareStored(first, second);
    vexo::review::DiffText(vexo::review::DiffExportFile(first, second));
    vexo::review::DiffText(forward);
    vexo::review::DiffJson(forward);
    return 0;
}
