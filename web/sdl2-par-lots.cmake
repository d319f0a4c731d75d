# Read by SDL 2's own CMakeLists.txt right after its project() (CMAKE_PROJECT_SDL2_INCLUDE),
# for the unity build web/bibliotheques.sh asks for: each emcc call costs most of a
# second before it compiles anything, so SDL's 140-odd small files built one by one
# took three minutes where batches of them take forty seconds. Two folders cannot be
# batched: the maths files (src/libm) each define their own static constants under the
# same names (one, zero, huge…), and the YUV header (src/video/yuv2rgb) has no include
# guard. They are compiled one by one, as SDL's build does for everything.
file(GLOB grignotin_un_par_un
  "${CMAKE_CURRENT_SOURCE_DIR}/src/libm/*.c"
  "${CMAKE_CURRENT_SOURCE_DIR}/src/video/yuv2rgb/*.c")
set_source_files_properties(${grignotin_un_par_un} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
