# The demo maps: map/NAME.if in code page 949 with CR LF, from content/maps/NAME.map (UTF-8),
# then maplint over every map once the rest of the data folder is in place.
if(NOT TARGET txt2cp949)
  return()
endif()
pelmo_convert_texts(*.map map map map_outputs)
add_custom_target(demo_maps DEPENDS ${map_outputs})
add_dependencies(game_data demo_maps)

# maplint reads the whole data folder (packs, pictures, cut-scenes, warp targets), so it
# runs after everything else of game_data has been made. The demo stays free of warnings
# too, so that a new one stands out.
if(TARGET maplint)
  set(lint_stamp ${CMAKE_CURRENT_BINARY_DIR}/maplint.stamp)
  add_custom_command(
    OUTPUT ${lint_stamp}
    COMMAND maplint --werror --data ${PELMO_DATA_DIR} ${map_outputs}
    COMMAND ${CMAKE_COMMAND} -E touch ${lint_stamp}
    DEPENDS maplint ${map_outputs}
    COMMENT "Checking the demo maps with maplint")
  add_custom_target(demo_maps_lint ALL DEPENDS ${lint_stamp})
  add_dependencies(demo_maps_lint game_data)
endif()
