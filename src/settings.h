// The six integers that persist between runs, and Settings.xml.
#pragma once

#include "xmlParser.h"

class Settings {
public:
    Settings();
    ~Settings();
    void GenerateDefaultSettings();
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
