# The game palette grim/pal.pal: the colour list through mkpal, which adds the mixing table.
set(palette_output ${PELMO_DATA_DIR}/grim/pal.pal)
add_custom_command(
  OUTPUT ${palette_output}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMO_DATA_DIR}/grim
  COMMAND mkpal ${CMAKE_CURRENT_LIST_DIR}/game.colours ${palette_output}
  DEPENDS mkpal ${CMAKE_CURRENT_LIST_DIR}/game.colours
  COMMENT "Making the game palette")
add_custom_target(demo_palette DEPENDS ${palette_output})
add_dependencies(game_data demo_palette)
