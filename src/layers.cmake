# layers.cmake -- the engine's layers, low to high, one entry a library: its level, its name
# (the library pelmo_NAME; "-" for the programs, which build their own) and its folders under
# src/. A library links the libraries of every lower level, not those of its own, and a file
# includes headers of its own level and the levels below only: the test layers.includes runs
# cmake/check_layers.cmake on src/. A sub-folder has its folder's level (the backends under
# platform/ are libraries of their own beside pelmo_platform).
set(PELMO_LAYERS
  "0 common   common"
  "1 platform platform platform/headless"
  "2 display  display"
  "2 audio    audio"
  "3 gfx      gfx"
  "4 visual   visual"
  "5 world    world actors"
  "6 shell    shell"
  "7 -        main launcher")
