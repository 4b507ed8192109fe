# win32.cmake -- included by src/CMakeLists.txt on Windows: stand-ins for iconv and libpng,
# which Debian's mingw-w64 does not have, and the Windows backend pelmo_win32.
set(win32_dir ${CMAKE_CURRENT_SOURCE_DIR}/platform/win32)
add_compile_definitions(NOMINMAX)

# iconv on the system's code pages, for the engine's conversion and for the tools.
add_library(pelmo_iconv STATIC ${win32_dir}/iconv/iconv_win32.cpp)
target_include_directories(pelmo_iconv PUBLIC ${win32_dir}/iconv)
target_link_libraries(pelmo_encoding PUBLIC pelmo_iconv)

add_library(pelmo_wide_text STATIC ${win32_dir}/wide_text.cpp)
target_include_directories(pelmo_wide_text PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

# PNG pictures through the Windows Imaging Component, in pelmo_common.
list(APPEND sources_left_out ${CMAKE_CURRENT_SOURCE_DIR}/common/png_image.cpp)
set(pelmo_common_sources ${win32_dir}/wic_png_image.cpp)
set(png_library pelmo_wide_text windowscodecs ole32)

# Files told apart by volume and file index, in pelmo_platform, where POSIX has device and inode.
list(APPEND sources_left_out ${CMAKE_CURRENT_SOURCE_DIR}/platform/file_identity.cpp)
set(pelmo_platform_sources ${win32_dir}/file_identity_win32.cpp)

# The window, DirectDraw, DirectInput 5 and DirectShow; ddraw_header_order.cpp only has to
# compile.
add_library(pelmo_win32 STATIC
  ${win32_dir}/win32_backend.cpp ${win32_dir}/ddraw_screen.cpp
  ${win32_dir}/dinput_keyboard.cpp ${win32_dir}/dshow_music.cpp
  ${win32_dir}/ddraw_header_order.cpp)
target_link_libraries(pelmo_win32 PUBLIC pelmo_platform pelmo_wide_text
                      ddraw dinput dxguid ole32 oleaut32 winmm uuid strmiids)
