# The game's music, 1.mp3 in the data folder. The MP3 is committed: make_music.sh renders it
# from tune.notes with tools/synth and LAME, so the build itself needs no encoder.
set(music_output ${PELMO_DATA_DIR}/1.mp3)
add_custom_command(
  OUTPUT ${music_output}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMO_DATA_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/1.mp3 ${music_output}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/1.mp3
  COMMENT "Copying the music")
add_custom_target(demo_music DEPENDS ${music_output})
add_dependencies(game_data demo_music)

# Rendering the MP3 again after a change of the tune: not part of the normal build.
add_custom_target(render_music
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/make_music.sh $<TARGET_FILE:synth>
  DEPENDS synth
  COMMENT "Rendering content/music/1.mp3 from tune.notes (needs lame)"
  VERBATIM)
