// The five page pictures. The menus' buttons are drawn exactly over the
// rectangles the game takes clicks in.
#pragma once

#include "image.h"
#include "lettering.h"

Image MakeStartPage(const Lettering& lettering);
Image MakeMainPage(const Lettering& lettering);
Image MakeOptionsPage(const Lettering& lettering);
Image MakeGameOverPage(const Lettering& lettering);
Image MakeCongratulationsPage(const Lettering& lettering);
