#pragma once
// Stand-in for the suite's model-database library: what the analysis model of a project database holds.
// The answers come from a small registry that the host (the tool, the tests) fills per database handle;
// an unknown handle holds no elements.

namespace trv::dbo {

bool hasQuads(int databaseHandle, int* error);
bool hasBrics(int databaseHandle, int* error);
bool hasBeams(int databaseHandle, int* error);
bool hasCables(int databaseHandle, int* error);
bool hasSprings(int databaseHandle, int* error);

namespace standin {

struct ElementKinds {
  bool quads = false;
  bool brics = false;
  bool beams = false;
  bool cables = false;
  bool springs = false;
};

void setModel(int databaseHandle, ElementKinds kinds);
void clearModels();
// How many queries have been answered so far (for tests of the call order and count).
int queryCount();

}  // namespace standin
}  // namespace trv::dbo
