// quenmar_main.cpp -- `Quenmar`, the launcher: shows the read-me and starts the game
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "launcher/launcher_folder.h"
#include "launcher/launcher_form.h"
#include "launcher/launcher_texts.h"
#include "launcher/process_start.h"
#include "platform/data_folder.h"

int main() {
  // Started from a menu, the launcher moves to its data folder (its own, or the installed
  // one), where its read-me and picture lie and where the game it starts finds its data; a
  // data folder it is started in stays its own. One it cannot enter is named, and its
  // read-me shows as missing.
  const std::string data =
      launcher::launcherDataFolder(platform::programFolder(), platform::installedDataFolder());
  if (data != "." && chdir(data.c_str()) != 0) std::perror(data.c_str());
  launcher::installChildReaper();
  launcher::setUpToolkit();
  launcher::LauncherForm form = launcher::createForm();
  const bool readmeLoaded = launcher::loadForm(form);
  form.Form1->show();
  if (!readmeLoaded) launcher::showMessage(launcher::ReadmeMissingMessage);
  return Fl::run();
}
