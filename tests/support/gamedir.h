// A private copy of the built game data (Textures/, Maps/, Sounds/) in a temporary folder, the working
// directory for the test's lifetime; what the test writes there vanishes with it.
#pragma once

#include <string>

class ScopedGameDir {
public:
    ScopedGameDir();
    ~ScopedGameDir();
    ScopedGameDir(const ScopedGameDir&) = delete;
    ScopedGameDir& operator=(const ScopedGameDir&) = delete;

    const std::string& path() const { return path_; }
    // Path of a file inside the folder ("Maps/Level1.map").
    std::string File(const std::string& relative) const;
    // Writes (replaces) a file inside the folder; a replaced Textures/ or
    // Maps/ file is written in place of the shared copy.
    void Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    void Remove(const std::string& relative) const;

private:
    std::string path_;
    std::string previous_;
};
