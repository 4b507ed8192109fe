// quenmar_main.cpp -- `Quenmar`, the launcher: shows the read-me and starts the game
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>

#include "launcher/launcher_form.h"
#include "launcher/launcher_texts.h"
#include "launcher/process_start.h"

int main() {
  launcher::installChildReaper();
  launcher::setUpToolkit();
  launcher::LauncherForm form = launcher::createForm();
  const bool readmeLoaded = launcher::loadForm(form);
  form.Form1->show();
  if (!readmeLoaded) launcher::showMessage(launcher::ReadmeMissingMessage);
  return Fl::run();
}
