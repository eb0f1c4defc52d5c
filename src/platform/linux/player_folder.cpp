#include "player_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace platform {

namespace {

const char kGameName[] = "tramox";

bool Absolute(const char* path) { return path && path[0] == '/'; }

std::string Failure(const std::string& what, const fs::path& path, const std::error_code& ec) {
    return what + " " + path.string() + ": " + ec.message();
}

// The entries of a folder; an error, even halfway, is reported, not thrown.
std::vector<fs::directory_entry> Entries(const fs::path& folder, std::error_code& ec) {
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(*it);
    return entries;
}

// Creates the missing folders of `path` one by one, private to the player
// as the XDG rules ask; create_directories would use the umask's mode.
std::error_code MakeFolders(const fs::path& path) {
    std::error_code ec;
    fs::path built;
    for (const fs::path& part : path) {
        built /= part;
        if (fs::is_directory(built, ec)) continue;
        if (!fs::create_directory(built, ec) && ec) return ec;
        fs::permissions(built, fs::perms::owner_all, fs::perm_options::replace, ec);
        if (ec) return ec;
    }
    return ec;
}

// Whether `target` is an entry named `name` in the data folder of some
// install of the game, as links made by an older or moved install point.
// Decided by the path alone, since that install may be gone.
bool IsInstalledDataEntry(const fs::path& target, const std::string& name) {
    if (target.filename() != name) return false;
    const fs::path layout(TRAMOX_INSTALL_DATADIR);
    std::vector<fs::path> tail(layout.begin(), layout.end());
    fs::path folder = target.parent_path();
    for (auto part = tail.rbegin(); part != tail.rend(); ++part, folder = folder.parent_path())
        if (folder.filename() != *part) return false;
    return true;
}

// Whether `link` is a link the game made to an install's data.
bool IsGameLink(const fs::path& link) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(link, ec);
    return !ec && IsInstalledDataEntry(target, link.filename().string());
}

// Points `link` at `target`: makes a missing link, and mends one the game
// made to another install's data in one step (a new link renamed over the
// old), so a crash leaves either one. Whatever else the player keeps under
// that name (a folder, a link to their own levels) stays.
std::error_code PointLink(const fs::path& link, const fs::path& target) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(link, ec);
    if (!fs::exists(status)) {
        fs::create_directory_symlink(target, link, ec);
        return ec;
    }
    if (!fs::is_symlink(status) || !IsGameLink(link) || fs::read_symlink(link, ec) == target) return ec;
    const fs::path fresh = link.parent_path() / ("." + link.filename().string() + ".new");
    fs::remove(fresh, ec);
    fs::create_directory_symlink(target, fresh, ec);
    if (!ec) fs::rename(fresh, link, ec);
    return ec;
}

// The data folder beside an installed program; empty for a build's program.
std::string InstalledDataFolder(const fs::path& program) {
    std::error_code ec;
    const fs::path data = fs::weakly_canonical(program.parent_path() / TRAMOX_DATA_FROM_PROGRAM, ec);
    return !ec && fs::is_directory(data, ec) ? data.string() : "";
}

}  // namespace

std::string PlayerFolder(const char* xdgDataHome, const char* home) {
    if (Absolute(xdgDataHome)) return (fs::path(xdgDataHome) / kGameName).string();
    if (Absolute(home)) return (fs::path(home) / ".local/share" / kGameName).string();
    return "";
}

std::string PreparePlayerFolder(const std::string& folder, const std::string& dataFolder) {
    if (std::error_code ec = MakeFolders(folder)) return Failure("cannot create", folder, ec);
    std::error_code ec;
    const std::vector<fs::directory_entry> data = Entries(dataFolder, ec);
    if (ec) return Failure("cannot read", dataFolder, ec);
    std::set<std::string> linked;
    for (const fs::directory_entry& entry : data) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        linked.insert(name);
        if (std::error_code linkError = PointLink(fs::path(folder) / name, entry.path()))
            return Failure("cannot link", fs::path(folder) / name, linkError);
    }
    // A link the game made to data an older version had and this one has not.
    for (const fs::directory_entry& entry : Entries(folder, ec)) {
        std::error_code ignored;
        if (entry.is_symlink(ignored) && !linked.count(entry.path().filename().string()) &&
            !fs::exists(entry.path(), ignored) && IsGameLink(entry.path()))
            fs::remove(entry.path(), ignored);
    }
    return "";
}

std::string EnterPlayerFolder() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return Failure("cannot find", "/proc/self/exe", ec);
    const std::string data = InstalledDataFolder(program);
    if (data.empty()) return "";

    const char* home = std::getenv("HOME");
    if (!Absolute(home)) {
        const passwd* account = getpwuid(getuid());
        home = account ? account->pw_dir : nullptr;
    }
    const std::string folder = PlayerFolder(std::getenv("XDG_DATA_HOME"), home);
    if (folder.empty()) return "no home folder to keep the settings in";
    if (std::string failure = PreparePlayerFolder(folder, data); !failure.empty()) return failure;
    fs::current_path(folder, ec);
    return ec ? Failure("cannot enter", folder, ec) : "";
}

}  // namespace platform
