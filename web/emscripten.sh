# Sourced by the scripts that run Debian's emscripten: web.sh, web/bibliotheques.sh,
# web/sonde.sh.

# emcc's JavaScript optimiser needs Debian's acorn module, which Debian's emscripten
# leaves in Node's global folder, off the path of a Node not installed from Debian.
if [ -d /usr/share/nodejs ]; then
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
fi
# emcc is a Python program, started afresh for every file it compiles and every test its
# callers' configure steps make. Debian's emscripten is made for Debian's Python, which
# also starts at once, where a version manager's shim found first on the PATH took a
# tenth of a second more for each call.
if [ -z "${EMSDK_PYTHON:-}" ] && [ -x /usr/bin/python3 ]; then
  export EMSDK_PYTHON=/usr/bin/python3
fi
