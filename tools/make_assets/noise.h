// Noise that repeats every 256 texels in both directions, so that textures
// made from it tile without a seam. Everything is derived from fixed seeds.
#pragma once

#include <cstdint>

// A hash of a lattice point and a seed, uniform in [0, 1).
float Hash01(int x, int y, std::uint32_t seed);

// Smooth value noise in [0, 1) at texel (x, y) with `cellsX` by `cellsY`
// lattice cells across the 256-texel period (unequal counts stretch it).
float ValueNoise(float x, float y, int cellsX, int cellsY, std::uint32_t seed);
float ValueNoise(float x, float y, int cells, std::uint32_t seed);

// Sum of `octaves` value-noise layers, each with twice the cells and half the
// weight of the one before, normalised to [0, 1).
float FractalNoise(float x, float y, int cellsX, int cellsY, int octaves, std::uint32_t seed);
float FractalNoise(float x, float y, int cells, int octaves, std::uint32_t seed);

// Distances from texel (x, y) to the nearest and second-nearest feature point
// of a periodic cellular pattern with `cells` by `cells` cells (one jittered
// point each), in texels, and the hash of the nearest cell.
struct CellularSample {
    float nearest;
    float second;
    float id;
};
CellularSample Cellular(float x, float y, int cells, std::uint32_t seed);

// Smoothstep of t clamped to [0, 1].
float SmoothStep(float edge0, float edge1, float t);
