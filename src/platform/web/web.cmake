# web.cmake -- included by src/CMakeLists.txt under emscripten: PNG pictures through the
# page's canvas (there is no libpng for the browser here), and the browser backend pelmo_web.
set(web_dir ${CMAKE_CURRENT_SOURCE_DIR}/platform/web)

# WebAssembly's 128-bit vectors stand in for SSE2, which the blitter's row loops use, and
# bulk memory for the copies of whole pages: the browser's frame stays near the native one.
add_compile_options(-msimd128 -msse2 -mbulk-memory)
add_link_options(-msimd128 -mbulk-memory)

list(APPEND sources_left_out ${CMAKE_CURRENT_SOURCE_DIR}/common/png_image.cpp)
set(pelmo_common_sources ${web_dir}/web_png_image.cpp)
set(png_library "")

add_library(pelmo_web STATIC
  ${web_dir}/web_backend.cpp ${web_dir}/web_window_backend.cpp ${web_dir}/web_music.cpp
  ${web_dir}/rgba_frame.cpp)
target_link_libraries(pelmo_web PUBLIC pelmo_platform)

# The functions of web_library.js that wait for the page: the game's stack is put aside
# while they wait (Asyncify) and the browser runs on.
set(web_waiting_functions pelmo_web_wait_frame pelmo_web_yield pelmo_web_sleep
    pelmo_web_message_box pelmo_web_music_open)
list(JOIN web_waiting_functions "," web_waiting_list)

# The game as game.js (a factory, createPelmoGame), game.wasm and game.data: the data folder
# PELMO_WEB_DATA, preloaded at /data.
function(pelmo_web_game_options target)
  if(NOT PELMO_WEB_DATA)
    message(FATAL_ERROR "PELMO_WEB_DATA must name the game's data folder (build/data)")
  endif()
  target_link_options(${target} PRIVATE
    -sASYNCIFY -sASYNCIFY_IMPORTS=[${web_waiting_list}] -sASYNCIFY_STACK_SIZE=65536
    -sMODULARIZE=1 -sEXPORT_NAME=createPelmoGame -sENVIRONMENT=web
    -sEXPORTED_RUNTIME_METHODS=[FS] -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=33554432
    --js-library ${web_dir}/web_library.js
    "SHELL:--preload-file ${PELMO_WEB_DATA}@/data"
    "SHELL:--exclude-file *game.ex" "SHELL:--exclude-file *stderr.txt")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${web_dir}/web_library.js)
endfunction()
