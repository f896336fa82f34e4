// A scripted session for demonstrations and checks under a virtual display:
// New, Go, then the picture saved as PNG without any dialog, and a picture
// of the main window saved beside it (OUT.png.window.png).
#pragma once

#include <string>

namespace zefrin {

class MainWindow;

// Returns 0 when the picture was saved, 1 otherwise (the reason on stderr).
int runDemo(MainWindow& window, const std::string& outputPng);

}  // namespace zefrin
