#pragma once
// What the analysis model of the project database holds, asked once per task.

namespace trv::control_param {

struct ModelContent {
  bool hasQuads = false;
  bool hasBrics = false;
  bool hasBeams = false;
  bool hasCables = false;
  bool hasSprings = false;
};

}  // namespace trv::control_param
