#include "gamedir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "Sound/soundfiles.h"

namespace fs = std::filesystem;

ScopedGameDir::ScopedGameDir() {
    std::string pattern = (fs::temp_directory_path() / "tramox-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    // Copies, not links: a test may damage its own files without touching
    // the build's game folder.
    for (const char* folder : {"Textures", "Maps", sounds::kFolder}) {
        fs::path from = fs::path(TRAMOX_GAME_DIR) / folder;
        if (fs::exists(from)) fs::copy(from, fs::path(path_) / folder, fs::copy_options::recursive);
    }
    previous_ = fs::current_path().string();
    fs::current_path(path_);
}

ScopedGameDir::~ScopedGameDir() {
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string ScopedGameDir::File(const std::string& relative) const {
    return (fs::path(path_) / relative).string();
}

void ScopedGameDir::Write(const std::string& relative, const std::string& bytes) const {
    fs::path p = fs::path(path_) / relative;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ScopedGameDir::Read(const std::string& relative) const {
    std::ifstream in(fs::path(path_) / relative, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool ScopedGameDir::Exists(const std::string& relative) const {
    return fs::exists(fs::path(path_) / relative);
}

void ScopedGameDir::Remove(const std::string& relative) const {
    std::error_code ec;
    fs::remove(fs::path(path_) / relative, ec);
}
