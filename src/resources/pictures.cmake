# The pictures and their build. The top-level CMakeLists.txt includes this before it adds any
# folder, so that every folder may use what it defines:
#   marolda_pictures               link it to have the pictures compiled in: the catalogue
#                                  (src/resources/pictures.cpp), the picture files, and the
#                                  drawings rendered ahead of time, which the start-up decodes
#                                  instead of rendering them;
#   marolda_install_icon(APP_ID)   installs the anchor into the icon theme (data/).
# The catalogue gives each picture's natural size, and nothing here does: tools/prerender is
# built on the catalogue, chooses what to render at which size, and writes the resource list of
# what it rendered.

include(GNUInstallDirs)

set(marolda_pictures_dir ${PROJECT_SOURCE_DIR}/src/resources/pictures)
file(GLOB marolda_picture_files CONFIGURE_DEPENDS
     ${marolda_pictures_dir}/*.svg ${marolda_pictures_dir}/*.jpg)

# The catalogue and the files it names, served as ":/pictures/FILE"; the tool links this alone.
add_library(marolda_catalogue STATIC
    ${PROJECT_SOURCE_DIR}/src/resources/pictures.cpp
    ${PROJECT_SOURCE_DIR}/src/resources/pictures.h)
qt_add_resources(marolda_catalogue pictures
    PREFIX /pictures
    BASE ${marolda_pictures_dir}
    FILES ${marolda_picture_files})
target_link_libraries(marolda_catalogue PUBLIC marolda_platform)

add_subdirectory(${PROJECT_SOURCE_DIR}/tools/prerender ${PROJECT_BINARY_DIR}/tools/prerender)

# Runs the tool; it runs again whenever it is rebuilt, that is whenever a picture, the catalogue
# or the rendering code changes. The sanitizer build's tool must not fail on Qt's own leaks.
macro(marolda_prerender_command)
    set(prerender_command ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                          $<TARGET_FILE:prerender> ${ARGN})
endmacro()

set(prerendered_dir ${PROJECT_BINARY_DIR}/prerendered)
marolda_prerender_command(${prerendered_dir}/prerendered.qrc)
add_custom_command(OUTPUT ${prerendered_dir}/qrc_prerendered.cpp
    COMMAND ${prerender_command}
    COMMAND Qt6::rcc --no-compress --name prerendered
            --output ${prerendered_dir}/qrc_prerendered.cpp ${prerendered_dir}/prerendered.qrc
    BYPRODUCTS ${prerendered_dir}/prerendered.qrc
    DEPENDS prerender Qt6::rcc
    COMMENT "Rendering the drawings ahead of time"
    VERBATIM)
set_source_files_properties(${prerendered_dir}/qrc_prerendered.cpp PROPERTIES SKIP_AUTOGEN ON)
add_library(marolda_prerendered OBJECT ${prerendered_dir}/qrc_prerendered.cpp)
target_link_libraries(marolda_prerendered PRIVATE Qt6::Core)

# Each program links the images' object file itself: its only code registers the images at
# start-up and nothing calls it, so a static library would leave it out.
add_library(marolda_pictures INTERFACE)
target_link_libraries(marolda_pictures INTERFACE
    marolda_catalogue marolda_prerendered $<TARGET_OBJECTS:marolda_prerendered>)

# The drawing of the anchor as the scalable icon, and pictures of it at the theme's usual sizes.
function(marolda_install_icon app_id)
    set(themes ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${PROJECT_SOURCE_DIR}/src/resources/pictures/anchor.svg
            DESTINATION ${themes}/scalable/apps RENAME ${app_id}.svg)
    set(sides 16 22 24 32 48 64 128 256)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/icons)
    set(images)
    foreach(side IN LISTS sides)
        set(image ${dir}/${side}x${side}.png)
        list(APPEND images ${image})
        install(FILES ${image} DESTINATION ${themes}/${side}x${side}/apps RENAME ${app_id}.png)
    endforeach()
    marolda_prerender_command(--icons ${dir} ${sides})
    add_custom_command(OUTPUT ${images}
        COMMAND ${prerender_command}
        DEPENDS prerender
        COMMENT "Rendering the theme icons"
        VERBATIM)
    add_custom_target(theme_icons ALL DEPENDS ${images})
endfunction()
