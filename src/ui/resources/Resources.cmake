# The resources of velmor.exe (texts, tool bar strips, main icon, manifest, version) as one
# object library, velmor_resources, that the program and every Windows program that shows its
# windows link. The strips and the icon are drawn by make_images.py from images.txt at build
# time and redrawn when the art changes.
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

configure_file(${CMAKE_CURRENT_LIST_DIR}/velmor.rc.in ${CMAKE_CURRENT_BINARY_DIR}/velmor.rc @ONLY)
add_library(velmor_resources OBJECT ${CMAKE_CURRENT_BINARY_DIR}/velmor.rc)
add_dependencies(velmor_resources velmor_images)
target_include_directories(velmor_resources PRIVATE ${VELMOR_IMAGES_DIR})
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/velmor.rc PROPERTIES
    OBJECT_DEPENDS "${velmor_image_files}")

add_test(NAME resources.images
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/test_images.py ${VELMOR_IMAGES_DIR})
