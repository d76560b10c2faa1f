# The town's pictures, drawn by townart: one rule per picture, so a build
# redraws only what changed. The names are the game's; townart --list gives
# the same list (the content tests hold the two together).
set(town_pictures)
foreach(landscape Forest Fall Snow Tropic)
  list(APPEND town_pictures images/Roads/${landscape})
endforeach()
list(APPEND town_pictures images/Grass images/Water images/Premium images/ConstructAreaBorders images/BuildingBase)
foreach(pit 2x2 2x3 3x2 3x3 4x2 4x3 5x4 Bridge)
  list(APPEND town_pictures images/buildings/Pit${pit})
endforeach()
# The levels' landscapes in tiles of 512 x 512: "<column><row>".
foreach(tile 00 10 01 11)
  list(APPEND town_pictures images/levels/Meadowbrook/${tile})
endforeach()
foreach(tile 00 10 20 01 11 21)
  list(APPEND town_pictures images/levels/Harbourside/${tile})
endforeach()

foreach(picture IN LISTS town_pictures)
  add_custom_command(
    OUTPUT ${data_dir}/${picture}.png
    COMMAND townart ${data_dir} ${picture}
    DEPENDS townart
    COMMENT "Town picture ${picture}"
    VERBATIM)
  record_generation(townart @DATA@ ${picture})
  list(APPEND data_outputs ${data_dir}/${picture}.png)
endforeach()
