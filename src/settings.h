// The six integers that persist between runs, and Settings.xml.
#pragma once

#include "xmlParser.h"

// The settings file, in the working folder.
extern const char kSettingsFile[];

class Settings {
public:
    Settings();
    ~Settings();
    void GenerateDefaultSettings();
    // The desktop's mode for the screen values after a refused display mode;
    // the camera and the rest of the file stay as the player left them.
    void UseDesktopScreen();
    int LoadSettings();
    void SaveSettings();

private:
    XMLNode xmlDoc;

public:
    int screenWidth;
    int screenHeight;
    int screenColor;
    int engineDistance;
    int engineXAngle;
    int engineZAngle;
};
