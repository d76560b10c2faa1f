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
# Buildings: a picture per upgrade level, "NN" from 01.
set(house_kinds Bungalow BrickHouse TwoStorey Duplex Apartments Mansion Chateau)
set(single_picture_kinds Workshop Shop AmusementPark Cinema Dealership Tree Fountain Park Statue ChineseGarden
                         Bridge Stadium SteelWorks WindPowerplant Airport Hotel)
# Each also in the fall and under snow ("Decor/FallNN", "Decor/SnowNN").
macro(add_building_pictures kind)
  foreach(number ${ARGN})
    list(APPEND town_pictures images/buildings/${kind}/${number} images/buildings/${kind}/Decor/Fall${number}
                              images/buildings/${kind}/Decor/Snow${number})
  endforeach()
endmacro()
foreach(kind IN LISTS house_kinds)
  add_building_pictures(${kind} 01 02 03 04)
endforeach()
add_building_pictures(Office 01 02 03)
foreach(kind IN LISTS single_picture_kinds)
  add_building_pictures(${kind} 01)
endforeach()
list(APPEND town_pictures images/buildings/Bridge/Front)
# Status icons, the progress bar, the building menu's buttons, the money.
foreach(picture ProgressBar_empty ProgressBar_full IconStar_own IconStar_rival IconConstructionVan IconBroken
                IconNoConnection IconJob IconIncomePlus IconEvent IconSpeed IconForSale_rival IconForSale_own
                MenuButtons_normal MenuButtons_over MenuButtons_pressed MenuButtons_disabled MenuButtonCooldown BankCheck)
  list(APPEND town_pictures images/buildings/${picture})
endforeach()
list(APPEND town_pictures images/hud/InfoVan images/Dollar images/IconAcceleration images/effects/BrockenHouses)
# The props that level maps place (data/Props.xml).
foreach(prop PineTree OakTree BirchTree PalmTree Bush FlowerBed Pond Sandbank Pier Rock Fence Haystack Windmill Boat
             Lighthouse)
  list(APPEND town_pictures images/decor/${prop})
endforeach()
# Vehicles: eight frames each (four headings, four diagonals).
set(vehicle_frames 00 01 02 03 04 05 06 07)
foreach(frame IN LISTS vehicle_frames)
  list(APPEND town_pictures images/cars/ConstructionVan/${frame} images/cars/WorkshopVan/${frame}
                            images/cars/Taxi/00/${frame})
  foreach(model 00 01 02 03)
    foreach(row 00 01 02 03)
      list(APPEND town_pictures images/cars/Civilian/${model}/${row}/${frame})
    endforeach()
  endforeach()
endforeach()
# Pedestrians (walking strips) and their winter clothes; the icons of happy walkers.
foreach(walker 01 02 03 04 05 06 07 08)
  list(APPEND town_pictures images/Pedestrians/${walker} images/Pedestrians/${walker}s)
endforeach()
list(APPEND town_pictures images/Pedestrians/Smile images/Pedestrians/ThumbUp)
# Effects: the demolition's blast, fireworks in three colours, balloons.
foreach(frame RANGE 0 17)
  string(LENGTH "${frame}" digits)
  if(digits EQUAL 1)
    set(frame 0${frame})
  endif()
  list(APPEND town_pictures images/effects/Explosion/${frame})
endforeach()
foreach(frame RANGE 0 29)
  string(LENGTH "${frame}" digits)
  if(digits EQUAL 1)
    set(frame 0${frame})
  endif()
  foreach(colour Purple Red Yellow)
    list(APPEND town_pictures images/Effects/Fireworks/${colour}/${frame})
  endforeach()
endforeach()
foreach(frame RANGE 0 56)
  string(LENGTH "${frame}" digits)
  if(digits EQUAL 1)
    set(frame 0${frame})
  endif()
  list(APPEND town_pictures images/Effects/SpecialAction/Confetti/${frame})
endforeach()
list(APPEND town_pictures images/Effects/SpecialAction/Balloon_Red images/Effects/SpecialAction/Balloon_Blue)
foreach(frame RANGE 0 59)
  string(LENGTH "${frame}" digits)
  if(digits EQUAL 1)
    set(frame 0${frame})
  endif()
  list(APPEND town_pictures images/effects/LevelComplete/100bills_01/${frame})
  if(frame LESS 20)
    list(APPEND town_pictures images/effects/LevelComplete/100bills_02/${frame})
    foreach(colour Green Red Yellow)
      list(APPEND town_pictures images/effects/LevelComplete/Confetti/${colour}/${frame})
    endforeach()
  endif()
endforeach()
# Construction frames 00..05 and demolition frames 01..05 of the kinds that
# vans build and tear down.
set(built_kinds ${house_kinds} Workshop Shop AmusementPark Cinema Dealership Bridge Stadium SteelWorks
                WindPowerplant Airport Hotel)
foreach(kind IN LISTS built_kinds)
  foreach(frame 00 01 02 03 04 05)
    list(APPEND town_pictures images/buildings/${kind}/Construction/${frame})
  endforeach()
  foreach(frame 01 02 03 04 05)
    list(APPEND town_pictures images/buildings/${kind}/Demolish/${frame})
  endforeach()
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
