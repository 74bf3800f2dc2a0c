# The hall of fame and the name entry, display-free.
target_sources(marbix_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/hiscore_list.cpp
    ${CMAKE_CURRENT_LIST_DIR}/name_dlg.cpp)
