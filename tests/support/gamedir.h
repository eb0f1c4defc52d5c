// A private copy of the game folder for one test: a fresh temporary folder
// whose Textures/, Maps/ and Sounds/ hold the built game data, made the working
// directory for the test's lifetime. Files a test writes (Settings.xml, a
// broken map) stay in it and vanish with it.
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
