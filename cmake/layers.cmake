# The Qt-free core in layers that only look down, lowest first:
#
#   marbix_engine    board, dealing, path, lines, turn flow, and the contract
#                    of its collaborators: cells, score panel, frame flags,
#                    timers, the move clock's expiry, the board's looks, the
#                    settings it reads, the cue sink; and the table of
#                    identifiers
#   marbix_platform  our Qt-free stand-ins for the platform: the profile file,
#                    files read and written whole, and the string table
#                    (below score, record and app, beside engine)
#   marbix_audio     the WAVE reader and the sound module, checked in full,
#                    and where the module is looked for
#   marbix_score     score keeper with the move clock and what holds it,
#                    hall of fame, name entry
#   marbix_record    recorded games: their text, their files, the folder
#                    that keeps them, the pace at which one is watched
#   marbix_app       the main frame's commands, flags and play time, the
#                    settings and window placement on file, the epigraphs;
#                    CGame, the one place where a game is wired, with its
#                    recorder and the replay of a record
#
# Each layer is a static library that links only the layers below it and
# links nothing else, so no Qt header can reach it. Its only include root is
# <build>/layers/<layer>, where its own headers are linked under their source
# paths: a source sees the headers of its layer and of the layers it links,
# and an include of any other header of the project does not compile
# ("fatal error: app/frame_logic.h: No such file or directory" in the
# engine). marbix_core is the whole core, for the hosts: the Qt shell, the
# headless driver, the benchmarks and the tests.

set(marbix_layers_root ${CMAKE_BINARY_DIR}/layers)
file(REMOVE_RECURSE ${marbix_layers_root})

# marbix_layer(<name> [BELOW <layer>...] SOURCES <file>... HEADERS <file>...)
# Paths are relative to the source tree.
function(marbix_layer name)
    cmake_parse_arguments(arg "" "" "BELOW;SOURCES;HEADERS" ${ARGN})
    get_property(declared GLOBAL PROPERTY MARBIX_LAYERS)
    foreach(lower IN LISTS arg_BELOW)
        if(NOT lower IN_LIST declared)
            message(FATAL_ERROR "layer ${name}: ${lower} is not a layer declared before it")
        endif()
    endforeach()
    list(TRANSFORM arg_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
    add_library(${name} STATIC ${arg_SOURCES})
    set(root ${marbix_layers_root}/${name})
    foreach(header IN LISTS arg_HEADERS)
        get_filename_component(dir ${header} DIRECTORY)
        file(MAKE_DIRECTORY ${root}/${dir})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${header} ${root}/${header} SYMBOLIC)
    endforeach()
    target_include_directories(${name} PUBLIC ${root})
    target_link_libraries(${name} PUBLIC ${arg_BELOW})
    set_property(GLOBAL APPEND PROPERTY MARBIX_LAYERS ${name})
    set_property(GLOBAL PROPERTY MARBIX_LAYER_${name}_BELOW "${arg_BELOW}")
endfunction()

marbix_layer(marbix_engine
    SOURCES engine/cell.cpp engine/cue.cpp engine/field_game.cpp engine/settings.cpp
    HEADERS engine/collaborators.h engine/cue.h engine/deal_generator.h engine/field_game.h
            engine/identifiers.h engine/manual_timers.h engine/plain_cell.h engine/settings.h)

marbix_layer(marbix_platform
    SOURCES platform/profile.cpp platform/profile_location.cpp platform/profile_text.cpp
            platform/string_table.cpp platform/whole_file.cpp
    HEADERS platform/profile.h platform/profile_location.h platform/profile_text.h
            platform/string_table.h platform/text_mark.h platform/whole_file.h)

marbix_layer(marbix_audio BELOW marbix_engine
    SOURCES sound/module_search.cpp sound/sound_module.cpp sound/wave_file.cpp
    HEADERS sound/sound_module.h sound/wave_file.h)

marbix_layer(marbix_score BELOW marbix_engine marbix_platform
    SOURCES score/hiscore_list.cpp score/name_dlg.cpp score/score_keeper.cpp
            score/text_length.cpp
    HEADERS score/clock_hold.h score/grapheme_table.h score/hiscore_list.h score/name_dlg.h
            score/score_keeper.h score/text_length.h)

marbix_layer(marbix_record BELOW marbix_score marbix_platform
    SOURCES record/game_record.cpp record/playback_pace.cpp record/record_file.cpp
            record/record_store.cpp
    HEADERS record/game_record.h record/playback_pace.h record/record_file.h
            record/record_store.h)

marbix_layer(marbix_app BELOW marbix_record
    SOURCES app/app_settings.cpp app/command_line.cpp app/command_table.cpp app/epigraph.cpp
            app/frame_logic.cpp app/game.cpp app/game_recorder.cpp app/placement.cpp
            app/replay.cpp app/rules_text.cpp app/zoom.cpp
    HEADERS app/app_settings.h app/command_line.h app/command_table.h app/epigraph.h
            app/frame_logic.h app/game.h app/game_recorder.h app/headless_game.h app/placement.h
            app/replay.h app/rules_text.h app/zoom.h)

set_source_files_properties(${CMAKE_SOURCE_DIR}/app/command_line.cpp TARGET_DIRECTORY marbix_app
    PROPERTIES COMPILE_DEFINITIONS MARBIX_VERSION="${PROJECT_VERSION}")

add_library(marbix_core INTERFACE)
target_link_libraries(marbix_core INTERFACE marbix_app marbix_audio)

# Run after every folder has been added: a layer still links exactly the
# layers it was declared with, and sees no include root but its own.
function(marbix_check_layers)
    get_property(layers GLOBAL PROPERTY MARBIX_LAYERS)
    foreach(layer IN LISTS layers)
        get_property(below GLOBAL PROPERTY MARBIX_LAYER_${layer}_BELOW)
        get_target_property(links ${layer} LINK_LIBRARIES)
        if(NOT links)
            set(links "")
        endif()
        if(NOT "${links}" STREQUAL "${below}")
            message(FATAL_ERROR "${layer} must link only ${below}, but links: ${links}")
        endif()
        get_target_property(includes ${layer} INCLUDE_DIRECTORIES)
        if(NOT "${includes}" STREQUAL "${marbix_layers_root}/${layer}")
            message(FATAL_ERROR "${layer} must see only its layer's headers, but sees: ${includes}")
        endif()
    endforeach()
endfunction()
