// Colours the pictures and the icon share with the game's look.
#pragma once

#include "image.h"

const Color kSnakeHead = Hex(0xd8261c), kSnakeBody = Hex(0x2fb43a), kFood = Hex(0x2a5ae0);
