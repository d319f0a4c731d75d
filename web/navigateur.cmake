# The browser build, included by the top CMakeLists.txt under emcmake (see web/README.md).
# The game's own src/ compiles against SDL 2 and SDL2_ttf (src/platform/sdl_version.hpp
# spells the difference) into site/: grignotin.js, grignotin.wasm and grignotin.data (the
# pictures and the font), beside the page, its manifest, icons and service worker.

set(GRIGNOTIN_BIBLIOTHEQUES_WEB "" CACHE PATH
    "Prefix holding include/ and lib/ of SDL 2, FreeType and SDL2_ttf built with emcmake")
# The pictures and the font are drawn by the desktop build's tool (target images), which
# cannot run as WebAssembly; so are the icons (target icones).
set(GRIGNOTIN_IMAGES_WEB "${CMAKE_SOURCE_DIR}/assets" CACHE PATH
    "Directory holding photo/ and angelina.ttf, as the desktop build leaves them")
set(GRIGNOTIN_ICONES_WEB "${CMAKE_SOURCE_DIR}/build/icones" CACHE PATH
    "Directory holding <n>x<n>/apps/grignotin.png, as the desktop build's target icones leaves them")

if(NOT GRIGNOTIN_BIBLIOTHEQUES_WEB)
  message(FATAL_ERROR "set GRIGNOTIN_BIBLIOTHEQUES_WEB to the prefix of SDL 2, FreeType and SDL2_ttf built for the browser")
endif()
# SDL2_ttf first: a static archive is searched once, so each comes before what it uses.
set(bibliotheques "")
foreach(nom SDL2_ttf freetype SDL2)
  set(archive "${GRIGNOTIN_BIBLIOTHEQUES_WEB}/lib/lib${nom}.a")
  if(NOT EXISTS "${archive}")
    message(FATAL_ERROR "${archive} not found: GRIGNOTIN_BIBLIOTHEQUES_WEB must hold SDL 2, FreeType and SDL2_ttf built with emcmake")
  endif()
  list(APPEND bibliotheques "${archive}")
endforeach()
foreach(fichier photo/fond.bmp angelina.ttf angelina-OFL.txt sons/croque.ogg)
  if(NOT EXISTS "${GRIGNOTIN_IMAGES_WEB}/${fichier}")
    message(FATAL_ERROR "${GRIGNOTIN_IMAGES_WEB}/${fichier} not found: build the pictures and clips first with a desktop build (cmake --build build --target images sons icones)")
  endif()
endforeach()
set(tailles_icones 32 128 256)
foreach(cote ${tailles_icones})
  if(NOT EXISTS "${GRIGNOTIN_ICONES_WEB}/${cote}x${cote}/apps/grignotin.png")
    message(FATAL_ERROR "${GRIGNOTIN_ICONES_WEB}/${cote}x${cote}/apps/grignotin.png not found: build the icons first with a desktop build (target icones)")
  endif()
endforeach()

# What the game's code links with: SDL 2 in place of the desktop's SDL 1.2. Its headers
# are the system's, so that their own style raises none of our warnings.
add_library(grignotin_sdl INTERFACE)
target_include_directories(grignotin_sdl SYSTEM INTERFACE
  "${GRIGNOTIN_BIBLIOTHEQUES_WEB}/include/SDL2" "${GRIGNOTIN_BIBLIOTHEQUES_WEB}/include")
target_link_libraries(grignotin_sdl INTERFACE ${bibliotheques})

# src/ defines the desktop's program too, which waits on the picture and sound tools, and
# the tests' scripted platform, written for SDL 1.2's events: here the pictures are already made,
# and both are left out of the build.
set(GRIGNOTIN_RUN_DIR "${GRIGNOTIN_IMAGES_WEB}")
add_custom_target(images)
add_custom_target(sons)
add_subdirectory(src)
set_target_properties(grignotin grignotin_plateforme_scriptee PROPERTIES EXCLUDE_FROM_ALL TRUE)

set(site "${CMAKE_BINARY_DIR}/site")
set(pre_js "${CMAKE_SOURCE_DIR}/web/pre.js")
set(son_js "${CMAKE_SOURCE_DIR}/web/son.js")
file(GLOB photos CONFIGURE_DEPENDS "${GRIGNOTIN_IMAGES_WEB}/photo/*.bmp")

add_executable(grignotin_web src/platform/principal_web.cpp src/platform/plateforme_web.cpp)
target_link_libraries(grignotin_web PRIVATE grignotin_flow)
set_target_properties(grignotin_web PROPERTIES
  OUTPUT_NAME grignotin
  SUFFIX ".js"
  RUNTIME_OUTPUT_DIRECTORY "${site}"
  LINK_DEPENDS "${pre_js};${son_js};${photos};${GRIGNOTIN_IMAGES_WEB}/angelina.ttf")
target_link_options(grignotin_web PRIVATE
  # Optimised and without debug records, whatever the build type: they would triple the wasm.
  -O2 -g0
  # Each wait gives the browser its turn, so the game's blocking loops run as they are.
  # The saved stack holds the frames between main and the wait: two games in a row
  # through the intro, pause, rules, walk and verdict ran with 256 bytes and broke with
  # 128; 4 KiB leaves the room of sixteen times that for waits the flow may add.
  # Asyncify instruments every function that may reach a wait, through indirect calls
  # too: 384 KB of the wasm's 1.40 MB. Naming only the game's waiting functions
  # (ASYNCIFY_IGNORE_INDIRECT with an ASYNCIFY_ADD list) gave 1.04 MB, and a game whose
  # first save never came: every function on a path to a wait must be named, inlined
  # ones included, and a wait added to the flow would then break in the browser alone.
  # A first visit is within its budget without it.
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=4096
  -sALLOW_MEMORY_GROWTH -sENVIRONMENT=web
  -lidbfs.js "SHELL:--pre-js ${pre_js}" "SHELL:--pre-js ${son_js}"
  -sEXPORTED_RUNTIME_METHODS=ccall
  # The pictures and the font, kept LZ4-compressed in memory and decompressed on each
  # read: 17.8 MB of BMP files travel as about 1.5 MB (web/README.md).
  -sLZ4
  "SHELL:--preload-file ${GRIGNOTIN_IMAGES_WEB}/photo@/grignotin/photo"
  "SHELL:--preload-file ${GRIGNOTIN_IMAGES_WEB}/angelina.ttf@/grignotin/angelina.ttf"
  "SHELL:--preload-file ${GRIGNOTIN_IMAGES_WEB}/angelina-OFL.txt@/grignotin/angelina-OFL.txt")

# The same pictures give the same grignotin.js (web/paquet_stable.cmake).
add_custom_command(TARGET grignotin_web POST_BUILD
  COMMAND ${CMAKE_COMMAND} "-DJS=${site}/grignotin.js" "-DDONNEES=${site}/grignotin.data"
          -P "${CMAKE_SOURCE_DIR}/web/paquet_stable.cmake"
  VERBATIM)

# The page beside the program, and the service worker, whose cache is named after a hash
# of every file it keeps, so that a new build replaces the old files as a whole.
set(fichiers_page index.html manifest.webmanifest)
set(copies "")
foreach(fichier ${fichiers_page})
  add_custom_command(OUTPUT "${site}/${fichier}"
    COMMAND ${CMAKE_COMMAND} -E copy "${CMAKE_SOURCE_DIR}/web/${fichier}" "${site}/${fichier}"
    DEPENDS "${CMAKE_SOURCE_DIR}/web/${fichier}" VERBATIM)
  list(APPEND copies "${site}/${fichier}")
endforeach()
foreach(cote ${tailles_icones})
  set(icone "icones/grignotin-${cote}.png")
  add_custom_command(OUTPUT "${site}/${icone}"
    COMMAND ${CMAKE_COMMAND} -E copy "${GRIGNOTIN_ICONES_WEB}/${cote}x${cote}/apps/grignotin.png" "${site}/${icone}"
    DEPENDS "${GRIGNOTIN_ICONES_WEB}/${cote}x${cote}/apps/grignotin.png" VERBATIM)
  list(APPEND copies "${site}/${icone}")
  list(APPEND fichiers_page "${icone}")
endforeach()
list(APPEND fichiers_page grignotin.js grignotin.wasm grignotin.data)
# The clips, beside the page and out of grignotin.data: each is fetched the first time the
# game plays it (web/son.js), so a first visit does not carry them (web/README.md).
file(GLOB clips CONFIGURE_DEPENDS "${GRIGNOTIN_IMAGES_WEB}/sons/*.ogg")
foreach(clip ${clips})
  get_filename_component(nom "${clip}" NAME)
  add_custom_command(OUTPUT "${site}/sons/${nom}"
    COMMAND ${CMAKE_COMMAND} -E copy "${clip}" "${site}/sons/${nom}"
    DEPENDS "${clip}" VERBATIM)
  list(APPEND copies "${site}/sons/${nom}")
endforeach()
add_custom_command(OUTPUT "${site}/sw.js"
  COMMAND ${CMAKE_COMMAND} "-DSITE=${site}" "-DMODELE=${CMAKE_SOURCE_DIR}/web/sw.js"
          "-DFICHIERS=${fichiers_page}" -P "${CMAKE_SOURCE_DIR}/web/service.cmake"
  DEPENDS grignotin_web ${copies} "${CMAKE_SOURCE_DIR}/web/sw.js" "${CMAKE_SOURCE_DIR}/web/service.cmake"
  VERBATIM)
add_custom_target(site ALL DEPENDS "${site}/sw.js" ${copies})
