// launcher_form.h -- the window `Form1`: read-me, picture and the three buttons
#pragma once

class Fl_Box;
class Fl_Button;
class Fl_Double_Window;
class Fl_Text_Buffer;
class Fl_Text_Display;

namespace launcher {

struct LauncherForm {
  Fl_Double_Window* Form1 = nullptr;
  Fl_Text_Display* Text1 = nullptr;
  Fl_Text_Buffer* Text1Buffer = nullptr;
  Fl_Button* Command1 = nullptr;
  Fl_Button* Command2 = nullptr;
  Fl_Button* Command3 = nullptr;
  Fl_Box* Picture1 = nullptr;
};

// Selects the Korean font for every widget and message box; call before any window shows.
void setUpToolkit();

// Builds the window with its controls and their actions, not yet shown.
LauncherForm createForm();

// The form's load: fills `Text1` from "readme.txt"; false when the file cannot be read.
bool loadForm(LauncherForm& form);

// A message box over the launcher; the launcher goes on after it is closed.
void showMessage(const char* cp949Text, const char* detail = nullptr);

}  // namespace launcher
