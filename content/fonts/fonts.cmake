# The game's fonts (made by tools/mkfont from GNU Unifont, committed here) copied into the
# data folder's grim/. Included from content/CMakeLists.txt, which sets PELMO_DATA_DIR.
set(font_outputs)
foreach(font EngFont.fnt HanFont.fnt han.inf)
  add_custom_command(
    OUTPUT ${PELMO_DATA_DIR}/grim/${font}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMO_DATA_DIR}/grim
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/${font} ${PELMO_DATA_DIR}/grim/${font}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${font}
    COMMENT "Copying the font ${font} into the data folder")
  list(APPEND font_outputs ${PELMO_DATA_DIR}/grim/${font})
endforeach()
add_custom_target(font_data ALL DEPENDS ${font_outputs})
