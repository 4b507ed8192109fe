// launcher_form.cpp -- building `Form1` with FLTK and acting on its buttons
#include "launcher/launcher_form.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_GIF_Image.H>
#include <FL/Fl_PNG_Image.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/fl_ask.H>
#include <unistd.h>

#include <string>

#include "launcher/form_layout.h"
#include "launcher/launcher_texts.h"
#include "launcher/process_start.h"
#include "launcher/readme_text.h"
#include "platform/data_folder.h"
#include "platform/encoding.h"

namespace launcher {

namespace {

void startCommand(const StartCommand& command, const char* failedMessage) {
  std::string error;
  if (startDetached(command, &error) < 0) showMessage(failedMessage, error.c_str());
}

void onStartGame(Fl_Widget*, void*) {
  startCommand(gameCommandIn(platform::programFolder()), GameStartFailedMessage);
}

void onHomePage(Fl_Widget*, void*) { startCommand(homePageCommand(), HomePageFailedMessage); }

void onQuit(Fl_Widget*, void*) {
  while (Fl_Window* window = Fl::first_window()) window->hide();
}

// The toolkit closes a window on Escape; the launcher's window closes only on request.
void onFormClose(Fl_Widget* widget, void*) {
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  widget->hide();
}

Fl_Button* addButton(const ControlRect& r, const char* cp949Caption, Fl_Callback* action) {
  auto* button = new Fl_Button(r.left, r.top, r.width, r.height);
  button->copy_label(platform::cp949ToUtf8(cp949Caption).c_str());
  button->labelsize(TextSize);
  button->callback(action);
  return button;
}

// The toolkit complains on stderr about a file it cannot open; a missing one is no fault.
bool readable(const char* path) { return access(path, R_OK) == 0; }

Fl_Box* addPicture(const ControlRect& r) {
  auto* picture = new Fl_Box(FL_DOWN_BOX, r.left, r.top, r.width, r.height, nullptr);
  if (!readable(PictureFileName)) return picture;
  auto* image = new Fl_GIF_Image(PictureFileName);
  // A missing picture leaves the box empty; the launcher works without it.
  if (image->fail() == 0 && image->w() > 0) {
    picture->image(image);
    picture->align(FL_ALIGN_INSIDE | FL_ALIGN_CENTER | FL_ALIGN_CLIP);
  } else {
    delete image;
  }
  return picture;
}

void setIcon() {
  if (!readable(IconFileName)) return;
  auto* icon = new Fl_PNG_Image(IconFileName);
  if (icon->fail() == 0 && icon->w() > 0) {
    Fl_Window::default_icon(icon);  // message boxes carry it too
  }
  delete icon;
}

}  // namespace

void setUpToolkit() {
  Fl::set_font(FL_HELVETICA, KoreanFontName);
  Fl::set_font(FL_HELVETICA_BOLD, KoreanBoldFontName);
  fl_message_font(FL_HELVETICA, TextSize);
  static const std::string ok = platform::cp949ToUtf8(OkCaption);
  fl_close = ok.c_str();
  fl_ok = ok.c_str();
  setIcon();
}

LauncherForm createForm() {
  LauncherForm form;
  const ControlRect& f = Form1Rect;
  form.Form1 = new Fl_Double_Window(f.left, f.top, f.width, f.height);
  form.Form1->copy_label(platform::cp949ToUtf8(FormCaption).c_str());
  form.Form1->xclass("Quenmar");
  form.Form1->callback(onFormClose);

  const ControlRect& t = Text1Rect;
  form.Text1 = new Fl_Text_Display(t.left, t.top, t.width, t.height);
  form.Text1Buffer = new Fl_Text_Buffer();
  form.Text1->buffer(form.Text1Buffer);
  form.Text1->textfont(FL_HELVETICA);
  form.Text1->textsize(TextSize);
  form.Text1->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);

  form.Picture1 = addPicture(Picture1Rect);
  form.Command1 = addButton(Command1Rect, StartCaption, onStartGame);
  form.Command2 = addButton(Command2Rect, HomePageCaption, onHomePage);
  form.Command3 = addButton(Command3Rect, QuitCaption, onQuit);
  form.Form1->end();
  form.Form1->size_range(f.width, f.height, f.width, f.height);
  return form;
}

bool loadForm(LauncherForm& form) {
  std::string text;
  if (!loadReadmeText(ReadmeFileName, &text)) return false;
  form.Text1Buffer->text(readmeForDisplay(text).c_str());
  return true;
}

void showMessage(const char* cp949Text, const char* detail) {
  static const std::string title = platform::cp949ToUtf8(FormCaption);
  fl_message_title(title.c_str());
  std::string text = platform::cp949ToUtf8(cp949Text);
  if (detail && *detail) text += std::string("\n(") + detail + ")";
  fl_alert("%s", text.c_str());
}

}  // namespace launcher
