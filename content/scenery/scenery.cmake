# The scenery program: draws the map pictures, the far layer, the status bar and the
# cut-scene pictures as indexed PNGs into content/. It is not part of the normal build:
#   cmake --build BUILD --target scenery
# runs it, writes previews of what a player sees into BUILD/scenery-preview, and leaves
# the changed PNGs in content/ to be committed.
file(GLOB scenery_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
add_executable(make_scenery EXCLUDE_FROM_ALL ${scenery_sources})
target_link_libraries(make_scenery PRIVATE pelmo_tools_common)
add_custom_target(scenery
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/scenery-preview
  COMMAND make_scenery --palette ${CMAKE_SOURCE_DIR}/content/palette/game.colours
          --content ${CMAKE_SOURCE_DIR}/content --preview ${CMAKE_BINARY_DIR}/scenery-preview
  DEPENDS make_scenery
  COMMENT "Drawing the scenery into content/"
  VERBATIM)
