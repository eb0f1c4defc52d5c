#include "settings.h"

#include <array>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/platform.h"

const char kSettingsFile[] = "Settings.xml";

namespace {

// The file is written here first and then renamed over Settings.xml, so a
// failed or interrupted write never costs the player the previous settings.
const char kTemporaryFile[] = "Settings.xml.tmp";

struct Field {
    const char* element;
    int Settings::*value;
};

// Every operation visits the fields in this order; new files list them so.
const std::array<Field, 6> kFields = {{
    {"ScreenWidth", &Settings::screenWidth},
    {"ScreenHeight", &Settings::screenHeight},
    {"ScreenColor", &Settings::screenColor},
    {"EngineDistance", &Settings::engineDistance},
    {"EngineXAngle", &Settings::engineXAngle},
    {"EngineZAngle", &Settings::engineZAngle},
}};

// The defaults in field order: the desktop's mode (zeros when it cannot be
// asked) and the camera's starting position.
std::array<int, 6> DefaultValues() {
    platform::DisplayMode mode;
    if (!platform::Current().QueryCurrentMode(&mode)) mode = platform::DisplayMode();
    return {mode.width, mode.height, mode.bitsPerPixel, 2048, 45, 0};
}

// Reads a number as atoi does (leading white space, an optional sign, the
// digits up to the first other character, 0 without digits), except that a
// value beyond the range of int saturates instead of being undefined.
int ToInt(const char* text) {
    long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// Whether text holds only whole UTF-8 sequences. A file read one byte per
// character (a Latin-1 file) may not: labelled UTF-8, its next reading would
// take a lone lead byte and the markup after it for one character.
bool IsUtf8(const unsigned char* s) {
    while (*s) {
        int follow;
        if (*s < 0x80)
            follow = 0;
        else if (*s >= 0xC2 && *s <= 0xDF)
            follow = 1;
        else if (*s >= 0xE0 && *s <= 0xEF)
            follow = 2;
        else if (*s >= 0xF0 && *s <= 0xF4)
            follow = 3;
        else
            return false;
        for (s++; follow > 0; follow--, s++)
            if ((*s & 0xC0) != 0x80) return false;
    }
    return true;
}

// Saving switches the XML library's process-wide options for a moment (the
// Latin-1 write, the check that reads the file back); whatever the rest of
// the program had chosen is put back when the save is done.
class KeepXMLOptions {
public:
    KeepXMLOptions() { XMLNode::getGlobalOptions(&guessUnicode_, &utf8_); }
    ~KeepXMLOptions() { XMLNode::setGlobalOptions(guessUnicode_, utf8_); }
    KeepXMLOptions(const KeepXMLOptions&) = delete;
    KeepXMLOptions& operator=(const KeepXMLOptions&) = delete;

private:
    char guessUnicode_ = 1, utf8_ = 1;
};

// Writes the tree with the fixed UTF-8 header, or, when its text is not
// UTF-8, one byte per character under a Latin-1 declaration, which the next
// start reads back the same way.
XMLError WriteSettingsFile(const XMLNode& tree, const char* path) {
    char* text = tree.createXMLString(0);
    const bool utf8 = !text || IsUtf8(reinterpret_cast<const unsigned char*>(text));
    free(text);
    if (utf8) return tree.writeToFile(path, nullptr, 0);
    XMLNode::setGlobalOptions(1, 0);
    return tree.writeToFile(path, "ISO-8859-1", 0);
}

// Sets each field's element to its value, adding the elements missing.
void PutValues(const Settings& settings, XMLNode& tree) {
    for (const Field& field : kFields) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", settings.*field.value);
        XMLNode element = tree.getChildNode(field.element);
        if (element.isEmpty()) element = tree.addChild(field.element, 0, -1);
        element.updateText(text, 0);
    }
}

// Whether the file at path loads back to the six values as they are now.
bool ReadsBack(const Settings& settings, const char* path) {
    XMLNode::IsError = 0;
    XMLNode file = XMLNode::openFileHelper(path, "Settings");
    if (XMLNode::IsError) return false;
    for (const Field& field : kFields) {
        const char* text = file.getChildNode(field.element).getText(0);
        if (!text || ToInt(text) != settings.*field.value) return false;
    }
    return true;
}

// The file a save replaces: Settings.xml itself or, where the player made it
// a link (into a synchronised folder, say), the file it points to, so that
// the link stays. A link into a folder that is not there saves nothing.
std::string SaveTarget() {
    namespace fs = std::filesystem;
    fs::path target = kSettingsFile;
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, error)); ++hops) {
        const fs::path next = fs::read_symlink(target, error);
        if (error) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target.string();
}

}  // namespace

Settings::Settings()
    : screenWidth(0), screenHeight(0), screenColor(0), engineDistance(0), engineXAngle(0), engineZAngle(0) {}

Settings::~Settings() = default;

void Settings::GenerateDefaultSettings() {
    const std::array<int, 6> defaults = DefaultValues();
    xmlDoc = XMLNode::parseString("<Settings></Settings>", "Settings", nullptr);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        this->*kFields[i].value = defaults[i];
        xmlDoc.addChild(kFields[i].element, 0, -1);
    }
}

void Settings::UseDesktopScreen() {
    const std::array<int, 6> defaults = DefaultValues();
    screenWidth = defaults[0];
    screenHeight = defaults[1];
    screenColor = defaults[2];
}

int Settings::LoadSettings() {
    XMLNode::IsError = 0;
    xmlDoc = XMLNode::openFileHelper(kSettingsFile, "Settings");
    if (XMLNode::IsError) {
        GenerateDefaultSettings();
        return 0;
    }
    // A hand-edited file may lack an element or its text: that one value
    // takes its default, the others are read as usual.
    const std::array<int, 6> defaults = DefaultValues();
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const char* text = xmlDoc.getChildNode(kFields[i].element).getText(0);
        this->*kFields[i].value = text ? ToInt(text) : defaults[i];
    }
    return 1;
}

void Settings::SaveSettings() {
    const KeepXMLOptions keep;
    // An element missing from the loaded file is added, or a value the player
    // chose during the run would be lost at the next start.
    PutValues(*this, xmlDoc);
    const std::string target = SaveTarget();
    const std::string temporary = target == kSettingsFile ? std::string(kTemporaryFile) : target + ".tmp";
    XMLError written = WriteSettingsFile(xmlDoc, temporary.c_str());
    if (written == eXMLErrorCannotOpenWriteFile) return;  // nothing was created
    if (written == eXMLErrorNone && !ReadsBack(*this, temporary.c_str())) {
        // Content kept from an odd hand-edited file (a declaration inside an
        // element, say) can come back as a broken file, and the next start
        // would throw every value away: the six values alone are written.
        xmlDoc = XMLNode::parseString("<Settings></Settings>", "Settings", nullptr);
        PutValues(*this, xmlDoc);
        written = WriteSettingsFile(xmlDoc, temporary.c_str());
    }
    if (written != eXMLErrorNone || std::rename(temporary.c_str(), target.c_str()) != 0) std::remove(temporary.c_str());
}
