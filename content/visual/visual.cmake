# The cut-scene scripts: visual/NAME.if in code page 949 with CR LF, from content/visual/NAME.txt.
if(NOT TARGET txt2cp949)
  return()
endif()
pelmo_convert_texts(*.txt visual "cut-scene script" visual_outputs)
add_custom_target(demo_visual DEPENDS ${visual_outputs})
add_dependencies(game_data demo_visual)
