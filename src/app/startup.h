#pragma once

// What the program sets on its application before the main window is made.
void SetUpApplication();
