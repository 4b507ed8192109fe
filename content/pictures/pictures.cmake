# The demo game's pictures, drawn by the scenery program (content/scenery) and committed
# as indexed PNGs, made into raw pictures by png2res:
#   pictures/bg.png, pictures/bar.png  ->  grim/bg.res (far layer), grim/bar.res (status bar)
#   maps/NAME.png                      ->  map/NAME.res (1280 x 177, 255 transparent)
#   visual/op.png, visual/ed.png       ->  grim/op.res + grim/op.pal, grim/ed.res + grim/ed.pal
#                                          (cut-scenes, each with its own palette)
include(${CMAKE_CURRENT_LIST_DIR}/../scenery/scenery.cmake)

cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH pictures_content)
set(pictures_palette ${PELMO_DATA_DIR}/grim/pal.pal)
set(pictures_outputs)

# png2res through the game palette: SOURCE into OUTPUT as the raw picture of KIND.
function(pictures_raw source output kind)
  get_filename_component(dir ${output} DIRECTORY)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND png2res --palette ${pictures_palette} --kind ${kind} ${source} ${output}
    DEPENDS png2res ${source} ${pictures_palette}
    COMMENT "Making ${output} from ${source}"
    VERBATIM)
  set(pictures_outputs ${pictures_outputs} ${output} PARENT_SCOPE)
endfunction()

pictures_raw(${pictures_content}/pictures/bg.png ${PELMO_DATA_DIR}/grim/bg.res far)
pictures_raw(${pictures_content}/pictures/bar.png ${PELMO_DATA_DIR}/grim/bar.res bar)
file(GLOB pictures_maps CONFIGURE_DEPENDS ${pictures_content}/maps/*.png)
foreach(map ${pictures_maps})
  get_filename_component(name ${map} NAME_WE)
  pictures_raw(${map} ${PELMO_DATA_DIR}/map/${name}.res map)
endforeach()

# A cut-scene: its palette from the PNG's own (colours only: the game reads 768 bytes),
# then the picture through that palette.
foreach(scene op ed)
  set(source ${pictures_content}/visual/${scene}.png)
  set(palette ${PELMO_DATA_DIR}/grim/${scene}.pal)
  set(picture ${PELMO_DATA_DIR}/grim/${scene}.res)
  add_custom_command(
    OUTPUT ${palette} ${picture}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMO_DATA_DIR}/grim
    COMMAND mkpal --colours-only ${source} ${palette}
    COMMAND png2res --palette ${palette} --kind cutscene ${source} ${picture}
    DEPENDS mkpal png2res ${source}
    COMMENT "Making the cut-scene ${scene} from ${source}"
    VERBATIM)
  list(APPEND pictures_outputs ${palette} ${picture})
endforeach()

add_custom_target(demo_pictures DEPENDS ${pictures_outputs})
add_dependencies(demo_pictures demo_palette)
add_dependencies(game_data demo_pictures)
