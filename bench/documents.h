// The documents the benchmarks work on, made the same way in every run.
#pragma once

#include <string>

// A catalogue of at least `minBytes` bytes: deep and wide element trees,
// many attributes, text with named entities and character references,
// comments and CDATA sections. Well-formed, so every parser reads it.
std::string GeneratedDocument(size_t minBytes);

// A side by side map file as the map maker writes them: walls round the
// edge, a regular pattern of wall blocks inside, the start cells free.
std::string SquareMap(int side);

// The settings file as the game writes it.
std::string SettingsDocument();
