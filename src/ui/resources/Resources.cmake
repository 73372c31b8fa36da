# The tool bar strips and the main icon of velmor.exe, drawn by make_images.py from images.txt
# at build time. Included from src/ui after the velmor executable is defined: sets
# VELMOR_IMAGES_RC, lets velmor.rc include it, and rebuilds the resources when the art changes.
find_package(Python3 COMPONENTS Interpreter REQUIRED)

set(VELMOR_IMAGES_DIR ${CMAKE_CURRENT_BINARY_DIR}/images)
set(VELMOR_IMAGES_RC ${VELMOR_IMAGES_DIR}/images.rc)
set(velmor_image_files ${VELMOR_IMAGES_RC} ${VELMOR_IMAGES_DIR}/velmor.ico)
foreach(strip 95_LO 98_LO 98_HI 2K_LO 2K_HI XP_LO XP_HI)
    list(APPEND velmor_image_files ${VELMOR_IMAGES_DIR}/TOOLBAR${strip}.bmp)
endforeach()

# images.rc comes first: the script writes it last, so the build takes it as the output's date.
add_custom_command(
    OUTPUT ${velmor_image_files}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/make_images.py
            ${CMAKE_CURRENT_LIST_DIR}/images.txt ${VELMOR_IMAGES_DIR}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_images.py ${CMAKE_CURRENT_LIST_DIR}/images.txt
    COMMENT "Drawing the tool bar strips and the main icon"
    VERBATIM)
add_custom_target(velmor_images DEPENDS ${velmor_image_files})
add_dependencies(velmor velmor_images)

set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/velmor.rc PROPERTIES
    OBJECT_DEPENDS "${velmor_image_files}"
    INCLUDE_DIRECTORIES ${VELMOR_IMAGES_DIR})

add_test(NAME resources.images
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/test_images.py ${VELMOR_IMAGES_DIR})
