// Names of the game folder's data files as the game writes them: the folder,
// a backslash, the file ("Maps\\Level3.map"). The shell turns the backslash
// into the host's separator when it opens one.
#pragma once

#include <string>

// The map of level `level`: "Level3".
inline std::string LevelMapName(int level) { return "Level" + std::to_string(level); }
inline std::string MapFile(const std::string& mapName) { return "Maps\\" + mapName + ".map"; }
inline std::string TextureFile(const std::string& textureName) { return "Textures\\" + textureName + ".txu"; }
