#pragma once
// The analytics' part of a picture's metadata packet: the targets in view,
// the events of the picture and the people counters, as JSON members that
// the stream appends to the picture's own (capture time, head position).

#include <string>
#include <vector>

#include "rule_evaluator.h"
#include "view_targets.h"

namespace devsim::analytics {

std::string MetadataMembers(const RuleBook& book, const std::vector<camera::ViewTarget>* targets,
                            const PictureVerdict& verdict);

}  // namespace devsim::analytics
