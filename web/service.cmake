# Writes SITE/sw.js from MODELE: the files it keeps (FICHIERS, relative to SITE), each with
# its SHA-256, and a version made from them all, so that any change to any of them is a
# new version and a build that changes nothing keeps it. index.html is kept as "./", the
# address the page is opened at.
set(empreintes "")
set(liste "")
foreach(fichier ${FICHIERS})
  file(SHA256 "${SITE}/${fichier}" empreinte)
  string(APPEND empreintes "${fichier} ${empreinte}\n")
  if(fichier STREQUAL "index.html")
    set(adresse "./")
  else()
    set(adresse "./${fichier}")
  endif()
  string(APPEND liste "  \"${adresse}\": \"${empreinte}\",\n")
endforeach()
string(SHA256 version "${empreintes}")
string(SUBSTRING "${version}" 0 16 VERSION)
string(REGEX REPLACE ",\n$" "\n" liste "${liste}")
set(FICHIERS_SW "{\n${liste}}")
configure_file("${MODELE}" "${SITE}/sw.js" @ONLY)
