#include "web_files.h"

#include <dirent.h>
#include <emscripten.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

namespace platform {

const char kGameFolder[] = "/game";
const char kGlyphFile[] = "/glyphs/Glyphs.bin";

namespace {
// The browser's storage (IndexedDB) appears as this folder.
const char kStoreFolder[] = "/store";

EM_ASYNC_JS(int, OpenStore, (const char* folder), { return await Module.tramox.openStore(UTF8ToString(folder)); });
EM_ASYNC_JS(int, SaveStore, (), { return await Module.tramox.saveStore(); });

bool storeOpen = false;

// The bytes as they are: the browser keeps the file the game wrote.
bool CopyFile(const std::string& from, const std::string& to) {
    std::FILE* in = std::fopen(from.c_str(), "rb");
    if (!in) return false;
    std::vector<char> bytes;
    char block[4096];
    size_t n;
    while ((n = std::fread(block, 1, sizeof block, in)) > 0) bytes.insert(bytes.end(), block, block + n);
    const bool readAll = !std::ferror(in);
    std::fclose(in);
    if (!readAll) return false;
    std::FILE* out = std::fopen(to.c_str(), "wb");
    if (!out) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    if (std::fclose(out) != 0) ok = false;
    return ok;
}

// Copies each regular file directly in one folder into the other.
bool CopyFolderFiles(const std::string& from, const std::string& to) {
    DIR* folder = opendir(from.c_str());
    if (!folder) return false;
    bool ok = true;
    while (const dirent* entry = readdir(folder)) {
        const std::string source = from + "/" + entry->d_name;
        struct stat info;
        if (stat(source.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        ok = CopyFile(source, to + "/" + entry->d_name) && ok;
    }
    closedir(folder);
    return ok;
}
}  // namespace

bool RestorePlayerFiles() {
    storeOpen = OpenStore(kStoreFolder) != 0;
    if (!storeOpen) {
        std::fprintf(stderr, "tramox: the browser's storage cannot be used; settings will not be kept\n");
        return false;
    }
    // An empty storage is a first visit: the game makes its defaults.
    CopyFolderFiles(kStoreFolder, kGameFolder);
    return true;
}

bool PersistPlayerFiles() {
    if (!storeOpen) return false;
    // The preloaded data are folders; the game's own files sit beside them.
    if (!CopyFolderFiles(kGameFolder, kStoreFolder)) return false;
    return SaveStore() != 0;
}

}  // namespace platform
