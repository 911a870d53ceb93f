#pragma once

// Start-up: brings up the hidden tray window and sets the header texts.
void Main();
