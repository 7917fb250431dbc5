#pragma once
// Shared helpers of the KELMAR writer tests: model contents by name and lines as standard strings, so that
// failures print readable text.

#include <string>
#include <vector>

#include <QString>

#include "lib/properties/control_param/vocabulary/ModelContent.h"

namespace trv::control_param::kelmar_test {

using Lines = std::vector<std::string>;

inline Lines toStd(std::vector<QString> const& lines) {
  Lines out;
  for (QString const& line : lines) out.push_back(line.toStdString());
  return out;
}

// ModelContent fields in order: quads, brics, beams, cables, springs.
inline ModelContent nothing() {
  return {};
}
inline ModelContent everything() {
  return {true, true, true, true, true};
}
inline ModelContent quads() {
  return {true, false, false, false, false};
}
inline ModelContent brics() {
  return {false, true, false, false, false};
}
inline ModelContent beams() {
  return {false, false, true, false, false};
}
inline ModelContent cables() {
  return {false, false, false, true, false};
}
inline ModelContent springs() {
  return {false, false, false, false, true};
}
inline ModelContent quadsAndBeams() {
  return {true, false, true, false, false};
}

constexpr int kDe = 0;
constexpr int kEn = 1;

}  // namespace trv::control_param::kelmar_test
