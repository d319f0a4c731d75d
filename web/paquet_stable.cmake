# Run after each link of the game: the file packager writes a new random id
# (package_uuid) into grignotin.js's description of grignotin.data at every link, which
# made every rebuild, even one that changed nothing, a new grignotin.js, so a new
# service-worker version, and 4 MB again for every returning visitor. The id only names
# the package in a preload cache the page does not use: it becomes a hash of the packed
# data, the same for the same pictures. JS: grignotin.js; DONNEES: grignotin.data.
file(READ "${JS}" programme)
file(SHA256 "${DONNEES}" empreinte)
string(SUBSTRING "${empreinte}" 0 32 empreinte)
string(REGEX REPLACE "\"package_uuid\": *\"[^\"]*\"" "\"package_uuid\":\"${empreinte}\"" stable "${programme}")
if(NOT stable STREQUAL programme)
  file(WRITE "${JS}" "${stable}")
endif()
