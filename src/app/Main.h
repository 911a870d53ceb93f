#pragma once

// The program's entry: brings up the hidden tray window and sets the header texts.
void Main();
