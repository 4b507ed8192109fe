# The demo game's sprite packs: content/sprites/NAME.png sheets through png2pack into
# grim/NAME.idx and grim/NAME.res. The sheets are drawn by make_sprites (the program in
# content/sprites, built only on request) and committed.
file(GLOB sprite_art_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/art/*.cpp)
add_executable(make_sprites EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/make_sprites.cpp
                                             ${sprite_art_sources})
target_include_directories(make_sprites PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(make_sprites PRIVATE pelmo_tools_common)

# Redraws the sheets and the contact sheet in the source tree: `cmake --build . --target
# remake_sprites`, then look at contact_sheet.png and commit.
add_custom_target(remake_sprites
  COMMAND make_sprites --font ${CMAKE_CURRENT_LIST_DIR}/../fonts/EngFont.fnt
          ${CMAKE_CURRENT_LIST_DIR}/../palette/game.colours ${CMAKE_CURRENT_LIST_DIR}
  DEPENDS make_sprites
  COMMENT "Drawing the sprite sheets")

# The packs the game loads: the hero, the balloons' cursor and icons, every map's actors.
set(demo_sprite_packs
  CHAR1 cursor bubble
  postman dog snowman boy chief baker smith girl fisher skater woodcutter
  fox herbalist owl keeper crow grandma deer lamp_on lamp_off bridge)
set(demo_sprite_outputs)
foreach(pack ${demo_sprite_packs})
  set(sheet ${CMAKE_CURRENT_LIST_DIR}/${pack}.png)
  set(stem ${PELMO_DATA_DIR}/grim/${pack})
  add_custom_command(
    OUTPUT ${stem}.idx ${stem}.res
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMO_DATA_DIR}/grim
    COMMAND png2pack --palette ${PELMO_DATA_DIR}/grim/pal.pal ${sheet} ${stem}
    DEPENDS png2pack ${sheet} ${PELMO_DATA_DIR}/grim/pal.pal
    COMMENT "Making the sprite pack ${pack}")
  list(APPEND demo_sprite_outputs ${stem}.idx ${stem}.res)
endforeach()
add_custom_target(demo_sprites DEPENDS ${demo_sprite_outputs})
add_dependencies(demo_sprites demo_palette)
add_dependencies(game_data demo_sprites)
