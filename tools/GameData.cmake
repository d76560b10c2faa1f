# The game's data folder, made at build time: the authored files of data/
# copied as they are, and the fonts, images, sounds and music written by the
# generators. Every file has its own rule, so a build redoes only what
# changed: an authored file when it was edited, a generator's files when its
# sources (and so its executable) or its inputs changed.
set(CORVANTA_DATA_DIR ${CMAKE_BINARY_DIR}/data CACHE INTERNAL "The game's data folder")
set(data_dir ${CORVANTA_DATA_DIR})
set(data_outputs)
# Every generator run, one per line (tool, then its arguments with the data
# folder written as @DATA@): the content tests replay them into a scratch
# folder to check that generation is fast and gives the same bytes.
set(manifest "")
macro(record_generation tool)
  string(REPLACE ";" "\t" args "${ARGN}")
  string(APPEND manifest "$<TARGET_FILE:${tool}>\t${args}\n")
endmacro()

# Authored content: everything in data/ except the build's own notes.
file(GLOB_RECURSE authored_files CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/data ${CMAKE_SOURCE_DIR}/data/*)
foreach(file IN LISTS authored_files)
  add_custom_command(
    OUTPUT ${data_dir}/${file}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/${file} ${data_dir}/${file}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/${file}
    VERBATIM)
  list(APPEND data_outputs ${data_dir}/${file})
endforeach()

# Fonts, rasterised from the Debian font packages.
set(system_fonts /usr/share/fonts/truetype)
set(font_sources
  ${system_fonts}/dejavu/DejaVuSans.ttf
  ${system_fonts}/dejavu/DejaVuSans-Bold.ttf
  ${system_fonts}/liberation2/LiberationSans-Regular.ttf
  ${system_fonts}/liberation2/LiberationSans-Bold.ttf)
foreach(font_file IN LISTS font_sources)
  if(NOT EXISTS ${font_file})
    message(FATAL_ERROR "${font_file} is missing: run scripts/setup.sh (fonts-dejavu-core, fonts-liberation2)")
  endif()
endforeach()
set(plain_fonts TrebuchetMSBold10 VerdanaBold7 VerdanaBold8 TrebuchetMicro Speech
                TrebuchetMSBold13 TrebuchetMSBold22 TrebuchetMS16)
set(layered_fonts MoneyBig MoneyMedium CalendarDigits)
foreach(font IN LISTS plain_fonts layered_fonts)
  set(outputs ${data_dir}/fonts/${font}.xml)
  if(font IN_LIST layered_fonts)
    list(APPEND outputs ${data_dir}/fonts/${font}_shadow.png ${data_dir}/fonts/${font}_outline.png
                        ${data_dir}/fonts/${font}_fill.png)
  else()
    list(APPEND outputs ${data_dir}/fonts/${font}.png)
  endif()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND fontgen ${system_fonts} ${data_dir} ${font}
    DEPENDS fontgen ${font_sources}
    COMMENT "Font ${font}"
    VERBATIM)
  record_generation(fontgen ${system_fonts} @DATA@ ${font})
  list(APPEND data_outputs ${outputs})
endforeach()

# Interface pictures, drawn with Cairo.
set(interface_pictures
  images/White
  images/Interface/Cursors
  images/interface/DialogSmall
  images/interface/DialogButtonSmall_normal
  images/interface/DialogButtonSmall_over
  images/interface/DialogButtonSmall_pressed
  images/interface/DialogButtonSmall_grey
  images/interface/SliderBar
  images/interface/SliderPin_active
  images/interface/SliderPin_inactive
  images/interface/TextBox
  images/interface/TextBoxCursor
  images/interface/CheckBox_normal
  images/interface/CheckBox_checked)
foreach(picture IN LISTS interface_pictures)
  add_custom_command(
    OUTPUT ${data_dir}/${picture}.png
    COMMAND interfaceart ${data_dir} ${picture}
    DEPENDS interfaceart
    COMMENT "Picture ${picture}"
    VERBATIM)
  record_generation(interfaceart @DATA@ ${picture})
  list(APPEND data_outputs ${data_dir}/${picture}.png)
endforeach()

# Sound effects, synthesised.
set(sounds
  ambientForest ambientSnow ambientTropics amusement apartments buildingSelect cottage buildingPlaced
  chateau checkAppear checkCollected chineseGarden cinema cinemaPremiere click clickDisabled construction
  damage dealership demolish demolishLaunch dialogPopup exhibition festival fireworkLaunch fireworkExplode
  forSale fountain goalChecked goalUnchecked haste houseBought invalidAction jobCanceled jobStart
  levelComplete levelCompleteExpert wooooow mouseEnter office park rent repairCompleted roadPlaced
  roadDemolished shop shopSale speechAppear star stadium vanAdded vanArrive vanMovesOut workshop
  workshopFrenzy)
foreach(sound IN LISTS sounds)
  add_custom_command(
    OUTPUT ${data_dir}/sounds/${sound}.ogg
    COMMAND soundsynth ${data_dir} ${sound}
    DEPENDS soundsynth
    COMMENT "Sound ${sound}"
    VERBATIM)
  record_generation(soundsynth @DATA@ ${sound})
  list(APPEND data_outputs ${data_dir}/sounds/${sound}.ogg)
endforeach()

# Music: short loopable pieces, composed and played by the synthesiser.
set(music_tracks MainMenu Track0 Track1 Track2 Track3 Track4)
foreach(track IN LISTS music_tracks)
  add_custom_command(
    OUTPUT ${data_dir}/Music/${track}.ogg
    COMMAND musicsynth ${data_dir} ${track}
    DEPENDS musicsynth
    COMMENT "Music ${track}"
    VERBATIM)
  record_generation(musicsynth @DATA@ ${track})
  list(APPEND data_outputs ${data_dir}/Music/${track}.ogg)
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/TownArt.cmake)

add_custom_target(corvanta_data ALL DEPENDS ${data_outputs})
set(CORVANTA_DATA_MANIFEST ${CMAKE_BINARY_DIR}/data-generation.txt CACHE INTERNAL "The generator runs")
file(GENERATE OUTPUT ${CORVANTA_DATA_MANIFEST} CONTENT "${manifest}")

# Review pages of everything generated, beside the data folder and not in it:
#   cmake --build build --target contact_sheets   ->  build/contact-sheets/
add_custom_target(contact_sheets
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/contact-sheets
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/contact-sheets
  COMMAND contactsheet ${data_dir} ${CMAKE_BINARY_DIR}/contact-sheets
  DEPENDS corvanta_data contactsheet
  VERBATIM)
