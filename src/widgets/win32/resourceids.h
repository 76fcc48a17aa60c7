#pragma once

// The ids of the program's resources, shared by its resource script and the Win32 layer.
#define KELVANE_IDI_APP 1
#define KELVANE_IDI_UP 101
#define KELVANE_IDI_DOWN 102
