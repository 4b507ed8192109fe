# The cut-scene scripts: visual/NAME.if in code page 949 with CR LF, from content/visual/NAME.txt.
if(NOT TARGET txt2cp949)
  return()
endif()
file(GLOB visual_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.txt)
set(visual_outputs)
foreach(source ${visual_sources})
  get_filename_component(name ${source} NAME_WE)
  set(output ${PELMO_DATA_DIR}/visual/${name}.if)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMO_DATA_DIR}/visual
    COMMAND txt2cp949 ${source} ${output}
    DEPENDS txt2cp949 ${source}
    COMMENT "Converting the cut-scene script ${name}")
  list(APPEND visual_outputs ${output})
endforeach()
add_custom_target(demo_visual DEPENDS ${visual_outputs})
add_dependencies(game_data demo_visual)
