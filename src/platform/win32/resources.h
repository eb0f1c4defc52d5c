// Resource numbers shared by the resource script and the backend.
#pragma once

#define TRAMOX_ICON 1
