// The content rules a playable level map keeps.
#pragma once

#include <string>
#include <vector>

#include "Engine/mapfile.h"

// Checks a structurally complete map for level `level`. Each violation is one
// message naming the cell (where there is one) and the rule.
std::vector<std::string> CheckMapRules(const MapFileData& map, int level);
