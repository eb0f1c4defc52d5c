#include "settings.h"

#include <array>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace {

const char kSettingsFile[] = "Settings.xml";
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
    for (const Field& field : kFields) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", this->*field.value);
        XMLNode element = xmlDoc.getChildNode(field.element);
        // An element missing from the loaded file is added, or a value the
        // player chose during the run would be lost at the next start.
        if (element.isEmpty()) element = xmlDoc.addChild(field.element, 0, -1);
        element.updateText(text, 0);
    }
    XMLError written = xmlDoc.writeToFile(kTemporaryFile, nullptr, 0);
    if (written == eXMLErrorCannotOpenWriteFile) return;  // nothing was created
    if (written != eXMLErrorNone || std::rename(kTemporaryFile, kSettingsFile) != 0) std::remove(kTemporaryFile);
}
